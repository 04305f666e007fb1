#pragma once
// The application shell: owns the render context, the input system and the
// current Game, and runs every frame in a fixed order. One per process.

class Game;

class App
{
public:
    App() = default;
    ~App();  // releases a Game that Shutdown has not
    App(App const&) = delete;
    App& operator=(App const&) = delete;

    void Startup();  // render context, then input system, then a Game (showing puzzle 1)
    void Shutdown();
    void RunFrame();  // real, unclamped delta; BeginFrame, Update, Render, EndFrame

    void BeginFrame();
    void Update(float deltaSeconds);  // the Game's, then F4 before F8
    void Render() const;
    void EndFrame();

    void HandleQuitRequested();
    bool IsQuitting() const { return m_isQuitting; }

public:
    bool m_isQuitting = false;
    bool m_debugDisplay = false;  // F4; the Game draws the dot count while it is set
    Game* m_game = nullptr;       // owned
};

// Set by the entry point right after it constructs the App, cleared after deleting it.
extern App* g_theApp;
