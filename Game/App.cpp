#include "Game/App.hpp"

#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyButtonState.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Platform/Clock.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/Game.hpp"

App* g_theApp = nullptr;

namespace
{
// The clock time of the previous frame, for the process; set on the first RunFrame
// so that the first delta is close to zero.
double s_previousFrameSeconds = 0.0;
bool s_hasPreviousFrame = false;
}  // namespace

App::~App()
{
    delete m_game;
    m_game = nullptr;
}

void App::Startup()
{
    g_theRenderer = new RenderContext();
    g_theRenderer->Startup();

    g_theInput = new InputSystem();
    g_theInput->Startup();

    m_game = new Game();
}

void App::Shutdown()
{
    // The Game goes first: it may hold on to nothing of the systems below.
    delete m_game;
    m_game = nullptr;

    g_theRenderer->Shutdown();
    g_theInput->Shutdown();

    delete g_theRenderer;
    g_theRenderer = nullptr;
    delete g_theInput;
    g_theInput = nullptr;
}

void App::RunFrame()
{
    if (!s_hasPreviousFrame)
    {
        s_previousFrameSeconds = GetCurrentTimeSeconds();
        s_hasPreviousFrame = true;
    }
    double const currentSeconds = GetCurrentTimeSeconds();
    float const deltaSeconds = static_cast<float>(currentSeconds - s_previousFrameSeconds);
    s_previousFrameSeconds = currentSeconds;

    BeginFrame();
    Update(deltaSeconds);
    Render();
    EndFrame();
}

void App::BeginFrame()
{
    if (m_game != nullptr)
    {
        m_game->BeginFrame();
    }
    g_theRenderer->BeginFrame();
    g_theInput->BeginFrame();
}

void App::Update(float deltaSeconds)
{
    if (m_game == nullptr)
    {
        return;
    }
    m_game->Update(deltaSeconds);

    if (g_theInput->GetKeyState(KEYCODE_F4).WasJustPressed())
    {
        m_debugDisplay = !m_debugDisplay;
    }
    if (g_theInput->GetKeyState(KEYCODE_F8).WasJustPressed())
    {
        // The new Game makes its own glyph table current before the old one goes,
        // so g_theDotFont never dangles.
        Game* const newGame = new Game();
        delete m_game;
        m_game = newGame;
    }
}

void App::Render() const
{
    if (m_game != nullptr)
    {
        m_game->Render();
    }
}

void App::EndFrame()
{
    if (m_game != nullptr)
    {
        m_game->EndFrame();
    }
    g_theRenderer->EndFrame();
    g_theInput->EndFrame();
}

void App::HandleQuitRequested()
{
    m_isQuitting = true;
}
