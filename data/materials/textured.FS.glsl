uniform sampler2D tex0;
uniform vec4 color4v;
varying vec2 uv;

void main()
{
    gl_FragColor = texture2D(tex0, uv) * color4v;
}
