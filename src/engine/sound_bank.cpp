#include "engine/sound_bank.hpp"

#include "engine/assets.hpp"

#include <SFML/System/Err.hpp>
#include <sstream>

const std::array<SoundEffectRow, SOUND_EFFECT_COUNT> kSoundEffects{{
    {"Assets/Sounds/Sounds/AnchorFall.wav", true},
    {"Assets/Sounds/Sounds/Auto1.wav", false},
    {"Assets/Sounds/Sounds/Auto2.wav", false},
    {"Assets/Sounds/Sounds/Auto3.wav", false},
    {"Assets/Sounds/Sounds/Auto4.wav", false},
    {"Assets/Sounds/Sounds/Bumper.wav", false},
    {"Assets/Sounds/Sounds/Explosion.wav", true},
    {"Assets/Sounds/Sounds/Knife.wav", true},
    {"Assets/Sounds/Sounds/ParrotShot.wav", true},
    {"Assets/Sounds/Sounds/Pistol.wav", false},
    {"Assets/Sounds/Sounds/Pistol.wav", false},
    {"Assets/Sounds/Sounds/SwordCenter.wav", true},
    {"Assets/Sounds/Sounds/Tentacles.wav", true},
    {"Assets/Sounds/Sounds/Wind.wav", false},
    {"Assets/Sounds/Sounds/Zap.wav", true},
}};

// The program-wide players. They live on the heap and are released by hand
// at exit, so no static destructor runs after the audio device has gone.
static std::array<sf::Sound*, SOUND_EFFECT_COUNT> gSoundPlayers{};

static void OpenMusic(Assets& assets, sf::Music& music, const std::string& path)
{
    std::ostringstream quiet;
    std::streambuf* previous = sf::err().rdbuf(quiet.rdbuf());
    const bool ok = music.openFromFile(AssetPath(assets, path).string());
    sf::err().rdbuf(previous);
    if (!ok)
        ReportMissing(assets, path);
    music.setLoop(true);
}

void InitSoundBank(SoundBank& bank, Assets& assets)
{
    OpenMusic(assets, bank.menuMusic, "Assets/Sounds/Musics/Menu.wav");
    OpenMusic(assets, bank.gameMusic, "Assets/Sounds/Musics/Game.wav");
    for (int i = 0; i < SOUND_EFFECT_COUNT; i++) {
        const sf::SoundBuffer& buffer = GetSoundBuffer(assets, kSoundEffects[i].path);
        bank.sounds[i].setBuffer(buffer);
        if (!gSoundPlayers[i])
            gSoundPlayers[i] = new sf::Sound();
        gSoundPlayers[i]->setBuffer(buffer);
    }
}

void ApplyVolume(SoundBank& bank, float volume)
{
    bank.volume = volume;
    bank.menuMusic.setVolume(volume);
    bank.gameMusic.setVolume(volume);
    for (int i = 0; i < SOUND_EFFECT_COUNT; i++)
        if (kSoundEffects[i].followsVolume && gSoundPlayers[i])
            gSoundPlayers[i]->setVolume(volume);
}

void ReleaseSoundPlayers()
{
    for (sf::Sound*& player : gSoundPlayers) {
        delete player;
        player = nullptr;
    }
}

float EffectVolume(SoundEffect effect)
{
    return gSoundPlayers[effect] ? gSoundPlayers[effect]->getVolume() : 100.f;
}

static void Play(SoundEffect effect)
{
    if (gSoundPlayers[effect])
        gSoundPlayers[effect]->play();  // restarts it when already sounding
}

void PlayAnchorFall() { Play(SOUND_ANCHOR_FALL); }
void PlayAuto1() { Play(SOUND_AUTO1); }
void PlayAuto2() { Play(SOUND_AUTO2); }
void PlayAuto3() { Play(SOUND_AUTO3); }
void PlayAuto4() { Play(SOUND_AUTO4); }
void PlayBumper() { Play(SOUND_BUMPER); }
void PlayExplosion() { Play(SOUND_EXPLOSION); }
void PlayKnife() { Play(SOUND_KNIFE); }
void PlayParrotShot() { Play(SOUND_PARROT_SHOT); }
void PlayPistol() { Play(SOUND_PISTOL); }
void PlayPistol2() { Play(SOUND_PISTOL2); }
void PlaySwordCenter() { Play(SOUND_SWORD_CENTER); }
void PlayTentacles() { Play(SOUND_TENTACLES); }
void PlayWind() { Play(SOUND_WIND); }
void PlayZap() { Play(SOUND_ZAP); }
