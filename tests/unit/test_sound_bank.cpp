#include "engine/assets.hpp"
#include "engine/sound_bank.hpp"

#include <gtest/gtest.h>

namespace {

TEST(SoundBank, TheVolumeReachesBothMusicsAndOnlyTheSevenFollowingEffects)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    SoundBank bank;
    InitSoundBank(bank, assets);
    EXPECT_TRUE(assets.missing.empty());
    EXPECT_EQ(assets.sounds.size(), 14u) << "the two pistol slots share one file";
    ApplyVolume(bank, 40.f);
    EXPECT_FLOAT_EQ(bank.menuMusic.getVolume(), 40.f);
    EXPECT_FLOAT_EQ(bank.gameMusic.getVolume(), 40.f);
    int following = 0;
    for (int effect = 0; effect < SOUND_EFFECT_COUNT; effect++) {
        const float expected = kSoundEffects[effect].followsVolume ? 40.f : 100.f;
        EXPECT_FLOAT_EQ(EffectVolume(static_cast<SoundEffect>(effect)), expected) << kSoundEffects[effect].path;
        following += kSoundEffects[effect].followsVolume;
    }
    EXPECT_EQ(following, 7);
    PlayParrotShot();  // plays silently on the null device, and restarts when played again
    PlayParrotShot();
    ReleaseSoundPlayers();
    PlayParrotShot();  // after release: nothing, and no crash
}

TEST(Assets, AMissingFileIsNamedOnceAndGivesAnEmptyPicture)
{
    Assets assets;
    ASSERT_TRUE(FindAssetRoot(assets, ""));
    testing::internal::CaptureStderr();
    const sf::Texture& first = GetTexture(assets, "Assets/Sprites/NoSuchPicture.png");
    const sf::Texture& again = GetTexture(assets, "Assets/Sprites/NoSuchPicture.png");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.getSize().x, 0u);
    EXPECT_EQ(assets.loads, 1) << "a failed file is not retried every frame";
    EXPECT_NE(said.find("NoSuchPicture.png"), std::string::npos);
    EXPECT_EQ(said.find("cannot read"), said.rfind("cannot read")) << "named once: " << said;
    const sf::Texture& wallpaper = GetTexture(assets, "Assets/Sprites/Menu/Wallpaper.png");
    EXPECT_EQ(wallpaper.getSize(), sf::Vector2u(1920, 1080));
    EXPECT_FALSE(wallpaper.isSmooth());
}

}  // namespace
