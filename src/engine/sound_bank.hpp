#pragma once
// All audio, loaded once at start: two looping musics and fifteen effects.
// Each effect also has a program-wide player, so code far from the bank
// (the enemies) can play it in one call; only those players are played.
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <array>

struct Assets;

enum SoundEffect {
    SOUND_ANCHOR_FALL,
    SOUND_AUTO1,
    SOUND_AUTO2,
    SOUND_AUTO3,
    SOUND_AUTO4,
    SOUND_BUMPER,
    SOUND_EXPLOSION,
    SOUND_KNIFE,
    SOUND_PARROT_SHOT,
    SOUND_PISTOL,
    SOUND_PISTOL2,
    SOUND_SWORD_CENTER,
    SOUND_TENTACLES,
    SOUND_WIND,
    SOUND_ZAP,
    SOUND_EFFECT_COUNT
};

struct SoundEffectRow {
    const char* path;
    bool followsVolume;
};

// The bank's effects, in bank order.
extern const std::array<SoundEffectRow, SOUND_EFFECT_COUNT> kSoundEffects;

struct SoundBank {
    sf::Music menuMusic;
    sf::Music gameMusic;
    std::array<sf::Sound, SOUND_EFFECT_COUNT> sounds;
    float volume = 100.f;
};

void InitSoundBank(SoundBank& bank, Assets& assets);
void ApplyVolume(SoundBank& bank, float volume);
// At exit: lets the audio device close cleanly once the bank goes too.
void ReleaseSoundPlayers();
float EffectVolume(SoundEffect effect);  // the program-wide player's volume

void PlayAnchorFall();
void PlayAuto1();
void PlayAuto2();
void PlayAuto3();
void PlayAuto4();
void PlayBumper();
void PlayExplosion();
void PlayKnife();
void PlayParrotShot();
void PlayPistol();
void PlayPistol2();
void PlaySwordCenter();
void PlayTentacles();
void PlayWind();
void PlayZap();
