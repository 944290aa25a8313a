// The render queue drawing N meshes that all lie in one vertex array against N meshes that alternate
// between two arrays, on a hidden window's OpenGL context (run it under an X server, e.g. Xvfb).
// Each iteration is one frame: clear, N adds, then glFinish so the driver's work is counted too.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "Render/OGL/Controller.h"
#include "Render/OpenGL.h"
#include "models/Mesh.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace
{
const int WIDTH = 256;
const int HEIGHT = 256;
const int SQUARES = 64; // squares in each array, one mesh each
const int SQUARE_BYTES = 6 * 3 * static_cast<int>(sizeof(float));

typedef MathStuff::Vector3<float> V3;

// The window, the controller in a pixel view and two arrays of SQUARES unit squares each.
class Scene
{
public:
    Scene()
    {
        if (!glfwInit())
            return;
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        window = glfwCreateWindow(WIDTH, HEIGHT, "render benchmark", nullptr, nullptr);
        if (!window)
            return;
        glfwMakeContextCurrent(window);
        if (glewInit() != GLEW_OK)
            return;
        Render::ViewData view;
        view.minZ = -1.0f;
        view.maxZ = 1.0f;
        view.x = 0;
        view.y = 0;
        view.width = WIDTH;
        view.height = HEIGHT;
        view.zoomX = view.zoomY = 1.0f;
        view.vsync = 0;
        view.is3D = false;
        controller.reset(new OGL::Controller(view));
        controller->init();
        controller->setViewData(view);
        controller->setCamera(
            MathStuff::Orientation<float>(V3(0, 0, 0), V3(0, 0, -1), V3(0, 1, 0), V3(1, 1, 1)));
        controller->setColor(Util::RGBA{0, 255, 0, 255});
        for (int a = 0; a < 2; ++a)
        {
            arrays[a].reset(controller->createVertexArray(SQUARES * SQUARE_BYTES, true));
            fill(*arrays[a]);
            for (int s = 0; s < SQUARES; ++s)
                meshes[a].emplace_back(new ModelSys::Mesh(arrays[a].get(), 6 * s, 6, nullptr));
        }
        ready = true;
    }

    ~Scene()
    {
        for (auto& list : meshes)
            list.clear();
        for (auto& array : arrays)
            array.reset();
        controller.reset();
        if (window)
            glfwDestroyWindow(window);
        glfwTerminate();
    }

    // Draws n meshes, taking them from the arrays in turn (arraysUsed 2) or all from the first.
    void frame(int n, int arraysUsed)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        Render::I_RenderQueue* queue = controller->getRenderQueue();
        for (int i = 0; i < n; ++i)
        {
            const ModelSys::Mesh* mesh = meshes[i % arraysUsed][(i / arraysUsed) % SQUARES].get();
            const float x = static_cast<float>(4 + (i % 60) * 4);
            const float y = static_cast<float>(4 + ((i / 60) % 60) * 4);
            MathStuff::Orientation<float> placement(V3(x, y, 0), V3(0, 0, 1), V3(0, 1, 0), V3(3, 3, 1));
            // Each mesh's square lies at its own x in the array: move it back under the placement.
            queue->add(placement, V3(-static_cast<float>((i / arraysUsed) % SQUARES), 0, 0), mesh, nullptr);
        }
        glFinish();
    }

    bool drewAt(int x, int y) const
    {
        unsigned char p[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return p[1] == 255;
    }

    bool ready = false;

private:
    static void fill(Render::I_VertexArray& array)
    {
        array.defineVertexInfo(3, Render::I_VertexArray::FLOAT);
        array.beginUsing();
        for (int s = 0; s < SQUARES; ++s)
        {
            const float x = static_cast<float>(s);
            const float v[6][3] = {{x, 0, 0}, {x + 1, 0, 0}, {x + 1, 1, 0},
                                   {x, 0, 0}, {x + 1, 1, 0}, {x, 1, 0}};
            array.putData(v, sizeof v, s * SQUARE_BYTES);
        }
        array.endUsing();
    }

    GLFWwindow* window = nullptr;
    std::unique_ptr<OGL::Controller> controller;
    std::unique_ptr<Render::I_VertexArray> arrays[2];
    std::vector<std::unique_ptr<ModelSys::Mesh>> meshes[2];
};

Scene* g_scene = nullptr;

void drawMeshes(benchmark::State& state, int arraysUsed)
{
    if (!g_scene || !g_scene->ready)
    {
        state.SkipWithError("no OpenGL context (is DISPLAY set?)");
        return;
    }
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state)
        g_scene->frame(n, arraysUsed);
    state.SetItemsProcessed(state.iterations() * n);
    state.SetLabel(g_scene->drewAt(5, 5) ? "drawn" : "NOTHING DRAWN");
}

void oneArray(benchmark::State& state)
{
    drawMeshes(state, 1);
}

void twoArraysAlternating(benchmark::State& state)
{
    drawMeshes(state, 2);
}

BENCHMARK(oneArray)->ArgName("meshes")->RangeMultiplier(8)->Range(8, 4096)->Unit(benchmark::kMicrosecond);
BENCHMARK(twoArraysAlternating)
    ->ArgName("meshes")
    ->RangeMultiplier(8)
    ->Range(8, 4096)
    ->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Scene scene;
    if (!scene.ready)
        std::fprintf(stderr,
                     "bench_render: no OpenGL context; run it under an X server (tools/bench-render)\n");
    g_scene = &scene;
    benchmark::RunSpecifiedBenchmarks();
    g_scene = nullptr;
    benchmark::Shutdown();
    return scene.ready ? 0 : 1;
}
