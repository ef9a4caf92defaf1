#include "ui/volume_bar.hpp"

#include <algorithm>

void PlaceVolumeCursor(MenuButton& cursor, const MenuImage& bar, float x, sf::Vector2f offset)
{
    const float y = bar.bounds.top + bar.bounds.height / 2.f;
    cursor.sprite.setPosition(x + offset.x, y + offset.y);
    cursor.bounds = cursor.sprite.getGlobalBounds();
    cursor.bounds.left -= offset.x;
    cursor.bounds.top -= offset.y;
}

float VolumeFromCursor(const MenuImage& bar, const MenuButton& cursor)
{
    const float volume = (cursor.bounds.left - bar.bounds.left - kVolumeStop) / 10.f;
    return std::clamp(volume, 0.f, 100.f);
}

float UpdateVolumeBar(const MenuImage& bar, MenuButton& cursor, sf::Vector2f mouse, bool buttonDown,
                      sf::Vector2f offset)
{
    const float left = bar.bounds.left;
    const float right = bar.bounds.left + bar.bounds.width;
    cursor.hovered = cursor.bounds.contains(mouse) ? 1 : 0;
    if (cursor.hovered && buttonDown) {
        // The stops test where the cursor was, so a fast drag may overshoot
        // them by one frame's motion; the next frame pulls it back.
        const float centre = cursor.bounds.left + cursor.bounds.width / 2.f;
        float x = right - kVolumeStop;
        if (centre < right - kVolumeStop)
            x = left + kVolumeStop < centre ? mouse.x : left + kVolumeStop;
        PlaceVolumeCursor(cursor, bar, x, offset);
    }
    // A click on the bar jumps the cursor there, held at the stops: jumping
    // past one, the cursor would leave the mouse, come back under it next
    // frame as a drag that puts it back on the stop, and so flicker.
    if (bar.bounds.contains(mouse) && !cursor.hovered && buttonDown)
        PlaceVolumeCursor(cursor, bar, std::clamp(mouse.x, left + kVolumeStop, right - kVolumeStop), offset);
    return VolumeFromCursor(bar, cursor);
}
