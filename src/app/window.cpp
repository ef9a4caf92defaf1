#include "app/window.hpp"

#include "app/main_data.hpp"
#include "engine/layout_table.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Window/VideoMode.hpp>

namespace {

constexpr unsigned kBitsPerPixel = 32;
constexpr float kDisplayRoom = 0.9f;  // a window leaves this share of the display at most to itself

void SetIcon(MainData& main)
{
    const sf::Texture& icon = GetTexture(main.assets, kIconPicture);
    if (icon.getSize().x == 0)
        return;  // named once by the cache; the window keeps the system's icon
    const sf::Image pixels = icon.copyToImage();
    main.window.setIcon(pixels.getSize().x, pixels.getSize().y, pixels.getPixelsPtr());
}

}  // namespace

sf::Vector2u WindowedSize(sf::Vector2u display)
{
    constexpr float kShares[] = {1.f, 2.f / 3.f, 1.f / 2.f, 1.f / 3.f};
    sf::Vector2u size;
    for (float share : kShares) {
        size = {static_cast<unsigned>(kScreenWidth * share), static_cast<unsigned>(kScreenHeight * share)};
        if (size.x <= display.x * kDisplayRoom && size.y <= display.y * kDisplayRoom)
            return size;
    }
    return size;
}

void OpenWindow(MainData& main)
{
    WindowState& state = main.windowState;
    const sf::VideoMode display = sf::VideoMode::getDesktopMode();
    if (state.fullscreen) {
        main.window.create(sf::VideoMode(display.width, display.height, kBitsPerPixel), "Tidewrack", sf::Style::None);
    } else {
        if (state.windowedSize.x == 0 || state.windowedSize.y == 0)
            state.windowedSize = WindowedSize({display.width, display.height});
        main.window.create(sf::VideoMode(state.windowedSize.x, state.windowedSize.y, kBitsPerPixel), "Tidewrack",
                           sf::Style::Default);
    }
    main.window.setFramerateLimit(state.frameLimit);
    main.window.setVerticalSyncEnabled(true);
    SetIcon(main);
    ApplyLetterbox(main, main.window.getSize());
}

void ToggleFullscreen(MainData& main)
{
    if (!main.window.isOpen())
        return;
    WindowState& state = main.windowState;
    if (!state.fullscreen)
        state.windowedSize = main.window.getSize();  // the size the player gave it, for next time
    state.fullscreen = !state.fullscreen;
    OpenWindow(main);
    // The old window takes its key releases with it (Alt of Alt+Enter too).
    ClearInput(main.input);
}

void ApplyLetterbox(MainData& main, sf::Vector2u size)
{
    SetLetterbox(main.input, size);
    ForgetFrozenGame(main.pauseMenu);  // a picture of the old window's size
    main.game.camera.view.setViewport(LetterboxViewport(main.input.letterbox));
    if (main.window.isOpen())
        main.window.setView(main.game.camera.view);
}

void DrawLetterboxBars(MainData& main)
{
    const Letterbox& box = main.input.letterbox;
    const sf::Vector2f window(box.window);
    const sf::FloatRect shown(box.shown);
    if (shown.left <= 0.f && shown.top <= 0.f && shown.width >= window.x && shown.height >= window.y)
        return;
    const sf::View canvasView = main.window.getView();
    main.window.setView(sf::View(sf::FloatRect(0.f, 0.f, window.x, window.y)));
    const float bottom = shown.top + shown.height, right = shown.left + shown.width;
    const sf::FloatRect bars[] = {{0.f, 0.f, window.x, shown.top},
                                  {0.f, bottom, window.x, window.y - bottom},
                                  {0.f, shown.top, shown.left, shown.height},
                                  {right, shown.top, window.x - right, shown.height}};
    sf::RectangleShape bar;
    bar.setFillColor(sf::Color::Black);
    for (const sf::FloatRect& area : bars)
        if (area.width > 0.f && area.height > 0.f) {
            bar.setPosition(area.left, area.top);
            bar.setSize({area.width, area.height});
            main.window.draw(bar);
        }
    main.window.setView(canvasView);
}

bool IsToggleKey(const Input& input, sf::Keyboard::Key key)
{
    return key == sf::Keyboard::F11
        || (key == sf::Keyboard::Enter && (IsKeyDown(input, sf::Keyboard::LAlt) || IsKeyDown(input, sf::Keyboard::RAlt)));
}
