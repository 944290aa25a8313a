/* The memory baseline of tools/bench-game: an 800x600 window with an OpenGL context on the same driver,
 * cleared and shown for a second with a few hundred quads, then its peak resident size on standard output. */
#include <GLFW/glfw3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(void)
{
    if (!glfwInit())
        return 1;
    GLFWwindow* window = glfwCreateWindow(800, 600, "bare context", NULL, NULL);
    if (!window)
        return 1;
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
    for (int frame = 0; frame < 60; ++frame)
    {
        glClearColor(0.1f, 0.1f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBegin(GL_QUADS);
        for (int i = 0; i < 400; ++i)
        {
            const float x = (float)(i % 20) / 10.0f - 1.0f, y = (float)(i / 20) / 10.0f - 1.0f;
            glColor3f(x, y, 0.5f);
            glVertex2f(x, y);
            glVertex2f(x + 0.08f, y);
            glVertex2f(x + 0.08f, y + 0.08f);
            glVertex2f(x, y + 0.08f);
        }
        glEnd();
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    glfwDestroyWindow(window);
    glfwTerminate();
    FILE* f = fopen("/proc/self/status", "r");
    char line[256];
    while (f && fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0)
            printf("%ld\n", atol(line + 6));
    if (f)
        fclose(f);
    return 0;
}
