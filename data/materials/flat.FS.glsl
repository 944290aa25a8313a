uniform vec4 color4v;

void main()
{
    gl_FragColor = color4v;
}
