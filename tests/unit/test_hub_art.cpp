// The hub's generated pictures against the hub table: every wall a player
// stands on is painted with a lit top exactly on its top row, the places of
// the zones are painted where the zones are, each panel's clickable areas
// are painted under their rectangles, and every decor frame shows something
// and moves. Runs in the build folder, where Assets/ has been generated.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "hub/hub_table.hpp"

namespace {

int Brightness(sf::Color c) { return (c.r * 3 + c.g * 6 + c.b) / 10; }

// The whole picture as the game places it.
sf::Image LoadPicture(const char* path)
{
    sf::Image file;
    EXPECT_TRUE(file.loadFromFile(path)) << path;
    const AssetEntry* entry = FindAsset(path);
    if (!entry || file.getSize() == sf::Vector2u(entry->width, entry->height))
        return file;
    sf::Image whole;
    whole.create(static_cast<unsigned>(entry->width), static_cast<unsigned>(entry->height), sf::Color::Transparent);
    const sf::Vector2i at = ReadPictureOffset(path);
    whole.copy(file, static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
    return whole;
}

bool Inside(const sf::Image& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < static_cast<int>(image.getSize().x) && y < static_cast<int>(image.getSize().y);
}

bool InsideRect(const HubRect& r, float x, float y)
{
    return x >= r.left && x < r.Right() && y >= r.top && y < r.Bottom();
}

// Share of the pixels of a rectangle (picture pixels) that are opaque.
float OpaqueShare(const sf::Image& image, int x0, int y0, int w, int h)
{
    int seen = 0, opaque = 0;
    for (int y = y0; y < y0 + h; y += 2)
        for (int x = x0; x < x0 + w; x += 2) {
            if (!Inside(image, x, y))
                continue;
            seen++;
            opaque += image.getPixel(x, y).a == 255;
        }
    return seen == 0 ? 0.f : static_cast<float>(opaque) / static_cast<float>(seen);
}

float MeanBrightness(const sf::Image& image, int x0, int y0, int w, int h)
{
    long sum = 0, n = 0;
    for (int y = y0; y < y0 + h; y += 2)
        for (int x = x0; x < x0 + w; x += 2)
            if (Inside(image, x, y)) {
                sum += Brightness(image.getPixel(x, y));
                n++;
            }
    return n == 0 ? 0.f : static_cast<float>(sum) / static_cast<float>(n);
}

// A rectangle of the picture seen by a player: painted (opaque nearly
// everywhere) and standing out from a band around it.
void ExpectPaintedButton(const sf::Image& image, const HubRect& r, const char* what)
{
    const int x = static_cast<int>(std::ceil(r.left)), y = static_cast<int>(std::ceil(r.top));
    const int w = static_cast<int>(r.width) - 1, h = static_cast<int>(r.height) - 1;
    EXPECT_GE(OpaqueShare(image, x + 2, y + 2, w - 4, h - 4), 0.95f) << what;
    const float inside = MeanBrightness(image, x + w / 4, y + h / 4, w / 2, h / 2);
    const float above = MeanBrightness(image, x, y - 14, w, 8), left = MeanBrightness(image, x - 14, y, 8, h);
    EXPECT_GT(std::max(std::fabs(inside - above), std::fabs(inside - left)), 25.f) << what << " does not stand out";
}

// ---- The map -------------------------------------------------------------------

// Along a floor's top row the map is opaque and brighter than 3 px above
// it, wherever no other wall covers that top.
float LitShareOfTop(const sf::Image& map, int wall, float left, float right, float top)
{
    const int y = static_cast<int>(top - kHubMapAt.y);
    int samples = 0, lit = 0;
    for (float x = std::max(0.f, left) + 8.f; x < std::min(kHubWidth, right) - 8.f; x += 13.f) {
        bool covered = false;
        for (int other = 0; other < kHubWallCount; other++)
            covered |= other != wall && InsideRect(kHubWalls[other], x, top);
        if (covered || y < 3 || !Inside(map, static_cast<int>(x), y))
            continue;
        const sf::Color at = map.getPixel(static_cast<unsigned>(x), y), above = map.getPixel(static_cast<unsigned>(x), y - 3);
        samples++;
        lit += at.a == 255 && (above.a == 0 || Brightness(at) > Brightness(above) + 20);
    }
    return samples == 0 ? -1.f : static_cast<float>(lit) / static_cast<float>(samples);
}

TEST(HubArt, EveryFloorIsPaintedWhereItsWallIs)
{
    const sf::Image map = LoadPicture(kHubMapSheet);
    ASSERT_EQ(map.getSize(), sf::Vector2u(static_cast<unsigned>(kHubWidth), static_cast<unsigned>(kHubBottom - kHubTop)));
    int checked = 0;
    for (int i = 0; i < kHubWallCount; i++) {
        const HubRect& wall = kHubWalls[i];
        const float share = LitShareOfTop(map, i, wall.left, wall.Right(), wall.top);
        if (share < 0.f)
            continue;  // its top is off the map or inside another wall
        checked++;
        EXPECT_GE(share, 0.9f) << "wall " << i << " at (" << wall.left << ", " << wall.top << ")";
    }
    EXPECT_GE(checked, 6) << "the deck, the left block, the bar's roof, two ledges and the upper floor";
    // The workshop's sand, the player's floor line, from the left block to the stern post.
    EXPECT_GE(LitShareOfTop(map, -1, kHubWalls[1].Right(), kHubWalls[2].left, kHubGroundY), 0.9f);
}

// The laboratory's animation is drawn behind the map: the map is clear in
// the middle of its rectangle, and the animation is painted there.
TEST(HubArt, LaboratoryShowsThroughTheMap)
{
    const sf::Image map = LoadPicture(kHubMapSheet);
    const HubDecorInfo& lab = kHubDecor[HUB_DECOR_LABORATORY];
    const HubPoint size = HubDecorFrameSize(lab);
    const int cx = static_cast<int>(lab.at.x + size.x * lab.scale / 2), cy = static_cast<int>(lab.at.y + size.y * lab.scale / 2);
    EXPECT_EQ(OpaqueShare(map, cx - 100, static_cast<int>(cy - kHubMapAt.y) - 60, 200, 120), 0.f);
    const sf::Image sheet = LoadPicture(lab.sheet);
    EXPECT_GE(OpaqueShare(sheet, 0, 0, static_cast<int>(size.x), static_cast<int>(size.y)), 0.95f);
}

// Share of a world rectangle covered by a decor's first frame of a row.
float DecorCover(const HubDecorInfo& decor, int row, const HubRect& zone)
{
    const sf::Image sheet = LoadPicture(decor.sheet);
    const HubPoint size = HubDecorFrameSize(decor);
    int seen = 0, opaque = 0;
    for (float y = zone.top; y < zone.Bottom(); y += 4.f)
        for (float x = zone.left; x < zone.Right(); x += 4.f) {
            const int cx = static_cast<int>((x - decor.at.x) / decor.scale), cy = static_cast<int>((y - decor.at.y) / decor.scale);
            if (cx < 0 || cy < 0 || cx >= size.x || cy >= size.y)
                continue;
            seen++;
            opaque += sheet.getPixel(cx, static_cast<unsigned>(cy + size.y * row)).a != 0;
        }
    return seen == 0 ? 0.f : static_cast<float>(opaque) / static_cast<float>(seen);
}

// The bar, the counter and the vat are painted over their zones, and the
// standing decor and props have their feet on their floors.
TEST(HubArt, PlacesArePaintedAtTheirZonesAndStandOnTheirFloors)
{
    EXPECT_GE(DecorCover(kHubDecor[HUB_DECOR_BAR], 0, kQuestZone), 0.25f);
    EXPECT_GE(DecorCover(kHubDecor[HUB_DECOR_SELLER], kSellerIdleRow, kSellerZone), 0.25f);
    EXPECT_GE(DecorCover(kHubDecor[HUB_DECOR_SELLER], kSellerServingRow, kSellerZone), 0.25f);
    EXPECT_GE(DecorCover(kHubDecor[HUB_DECOR_VAT], 0, kCardSelectorZone), 0.25f);

    struct Standing {
        const char* sheet;
        HubPoint at;
        float scale, floor;
    };
    const Standing standing[] = {
        {kHubDecor[HUB_DECOR_BAR].sheet, kHubDecor[HUB_DECOR_BAR].at, 3.f, kHubWalls[0].top},
        {kHubDecor[HUB_DECOR_SELLER].sheet, kHubDecor[HUB_DECOR_SELLER].at, 1.f, kHubGroundY},
        {kHubDecor[HUB_DECOR_VAT].sheet, kHubDecor[HUB_DECOR_VAT].at, 1.f, kHubGroundY},
        {kScoreboardSheet, kScoreboardAt, 1.f, kHubWalls[0].top},
        {kScoreboardLitSheet, kScoreboardAt, 1.f, kHubWalls[0].top},
        {kDressRoomSheet, kDressRoomAt, 1.f, kHubWalls[6].top},
        {kDressRoomLitSheet, kDressRoomAt, 1.f, kHubWalls[6].top},
        {kHubSwordsSheet, kHubSwordsAt, 1.f, kHubGroundY},
    };
    for (const Standing& s : standing) {
        const sf::Image picture = LoadPicture(s.sheet);
        const AssetEntry* entry = FindAsset(s.sheet);
        int lowest = -1;
        for (int y = 0; y < entry->cellHeight; y++)
            for (int x = 0; x < entry->cellWidth && lowest < y; x++)
                if (picture.getPixel(x, y).a != 0)
                    lowest = y;
        const float bottom = s.at.y + (lowest + 1) * s.scale;
        EXPECT_NEAR(bottom, s.floor, 3.f * s.scale) << s.sheet;
    }
}

TEST(HubArt, LitVariantsAreBrighterThanTheirPlainPictures)
{
    for (auto [plain, lit] : {std::pair{kScoreboardSheet, kScoreboardLitSheet}, std::pair{kDressRoomSheet, kDressRoomLitSheet}}) {
        const sf::Image a = LoadPicture(plain), b = LoadPicture(lit);
        ASSERT_EQ(a.getSize(), b.getSize());
        const int w = static_cast<int>(a.getSize().x), h = static_cast<int>(a.getSize().y);
        EXPECT_GT(MeanBrightness(b, 0, 0, w, h), MeanBrightness(a, 0, 0, w, h) + 2.f) << lit;
    }
}

// ---- Animations ----------------------------------------------------------------

bool SameCell(const sf::Image& sheet, const AssetEntry& e, int row, int a, int b)
{
    for (int y = 0; y < e.cellHeight; y += 1)
        for (int x = 0; x < e.cellWidth; x += 1)
            if (sheet.getPixel(a * e.cellWidth + x, row * e.cellHeight + y) !=
                sheet.getPixel(b * e.cellWidth + x, row * e.cellHeight + y))
                return false;
    return true;
}

TEST(HubArt, EveryDecorFrameShowsSomethingAndMoves)
{
    const char* sheets[] = {kHubDecor[0].sheet, kHubDecor[1].sheet, kHubDecor[2].sheet, kHubDecor[3].sheet,
                            kSkinPuffSheet, "Assets/Sprites/Load/PlayerRunLoading.png", "Assets/Sprites/Load/Tresor.png"};
    for (const char* path : sheets) {
        const AssetEntry* e = FindAsset(path);
        ASSERT_NE(e, nullptr) << path;
        const sf::Image sheet = LoadPicture(path);
        for (int row = 0; row < e->rows; row++)
            for (int f = 0; f < e->FramesInRow(row); f++) {
                EXPECT_GT(OpaqueShare(sheet, f * e->cellWidth, row * e->cellHeight, e->cellWidth, e->cellHeight), 0.01f)
                    << path << " row " << row << " frame " << f << " is empty";
                if (f > 0) {
                    EXPECT_FALSE(SameCell(sheet, *e, row, f - 1, f)) << path << " row " << row << " frames " << f - 1
                                                                     << " and " << f << " are the same";
                }
            }
    }
}

// The bar and the vat change when the player stands at them; the seller
// serves on his own row.
TEST(HubArt, PlacesChangeWhileThePlayerStandsThere)
{
    for (const HubDecorInfo& decor : {kHubDecor[HUB_DECOR_BAR], kHubDecor[HUB_DECOR_VAT]}) {
        const AssetEntry* e = FindAsset(decor.sheet);
        const sf::Image sheet = LoadPicture(decor.sheet);
        bool differs = false;
        for (int y = 0; y < e->cellHeight && !differs; y++)
            for (int x = 0; x < e->cellWidth && !differs; x++)
                differs = sheet.getPixel(x, y) != sheet.getPixel(x, e->cellHeight * kHubDecorLitRow + y);
        EXPECT_TRUE(differs) << decor.sheet;
    }
    const AssetEntry* seller = FindAsset(kHubDecor[HUB_DECOR_SELLER].sheet);
    EXPECT_EQ(seller->FramesInRow(kSellerIdleRow), kSellerIdleFrames);
    EXPECT_EQ(seller->FramesInRow(kSellerServingRow), kSellerServingFrames);
}

// ---- Panels ------------------------------------------------------------------------

TEST(HubArt, ShopButtonsPricesAndQuitArePaintedWhereTheyAre)
{
    const sf::Image shop = LoadPicture(kShopSheet);
    for (int k = 0; k < kPotionKinds; k++) {
        ExpectPaintedButton(shop, BuyButtonRect(k), "buy button");
        // The white price reads on a dark tag.
        const HubPoint t = PriceTextPlace(k);
        EXPECT_LT(MeanBrightness(shop, static_cast<int>(t.x), static_cast<int>(t.y) + 20, 110, 60), 70.f) << "price " << k;
        // The shelf's last slot ends before the button.
        EXPECT_LT(PotionIconPlace(k, kPotionMaxLevel - 1).x + FindAsset(kPotionSheet)->width, BuyButtonRect(k).left);
    }
    ExpectPaintedButton(shop, kSellerQuit, "seller quit");
}

TEST(HubArt, QuestNotesAndQuitArePaintedWhereTheyAre)
{
    const sf::Image panel = LoadPicture(kQuestPanelSheet), notes = LoadPicture(kQuestBarsSheet);
    for (int q = 0; q < kQuestCount; q++) {
        const HubRect b = QuestButtonRect(q);
        EXPECT_GE(OpaqueShare(notes, static_cast<int>(b.left) + 10, static_cast<int>(b.top) + 10, static_cast<int>(b.width) - 20,
                              static_cast<int>(b.height) - 20), 0.98f) << "quest " << q;
    }
    ExpectPaintedButton(panel, kQuestQuit, "quest quit");
    // The marker frames the note it is put on: its border shows past the note.
    const sf::Image marker = LoadPicture(kQuestSelectionSheet);
    const int w = static_cast<int>(marker.getSize().x), h = static_cast<int>(marker.getSize().y);
    EXPECT_GE(OpaqueShare(marker, 0, 0, w, 2), 0.9f);
    EXPECT_GE(OpaqueShare(marker, 0, h - 2, w, 2), 0.9f);
}

TEST(HubArt, SpellCardsAndQuitArePaintedWhereTheyAre)
{
    const sf::Image background = LoadPicture(kCardSelectorBackgroundSheet), cards = LoadPicture(kCardSelectorsSheet);
    std::vector<std::size_t> looks;
    for (int i = 0; i < kSpellChoices; i++) {
        const HubRect b = SpellButtonRect(i);
        const int x = static_cast<int>(b.left - kCardSelectorsAt.x), y = static_cast<int>(b.top - kCardSelectorsAt.y);
        EXPECT_GE(OpaqueShare(cards, x + 6, y + 6, static_cast<int>(b.width) - 12, static_cast<int>(b.height) - 12), 0.98f)
            << "spell " << i;
        // Each card shows its own spell.
        std::size_t hash = 0;
        for (int yy = y + 20; yy < y + static_cast<int>(b.height) - 20; yy += 3)
            for (int xx = x + 20; xx < x + static_cast<int>(b.width) - 20; xx += 3)
                hash = hash * 31 + cards.getPixel(xx, yy).toInteger();
        looks.push_back(hash);
    }
    std::sort(looks.begin(), looks.end());
    EXPECT_EQ(std::unique(looks.begin(), looks.end()), looks.end()) << "two spell cards look the same";
    ExpectPaintedButton(background, kCardSelectorQuit, "card selector quit");
}

TEST(HubArt, RecapBoardHasItsQuitAndDarkTagsUnderTheTallies)
{
    const sf::Image recap = LoadPicture(kRecapPanelSheet);
    // The BACK plaque of the menus' panel sits inside the quit area.
    EXPECT_GE(OpaqueShare(recap, 900, 885, 120, 66), 0.95f);
    EXPECT_TRUE(InsideRect(kRecapQuit, 898.f, 883.f) && InsideRect(kRecapQuit, 898.f + 124.f, 883.f + 70.f));
    for (int i = 0; i < kTallyCount; i++) {
        const HubRect r = RecapIconRect(i);
        const int x = static_cast<int>(r.Right() + kRecapIcons[i].textGap), y = static_cast<int>(RecapTextY(i));
        EXPECT_LT(MeanBrightness(recap, x + 4, y + 10, 40, 60), 70.f) << "tally " << i;
    }
}

// ---- The table's formulas give the layout's numbers ---------------------------------

TEST(HubTable, PanelFormulasGiveTheLayoutsPlaces)
{
    EXPECT_FLOAT_EQ(BuyButtonRect(3).top, 768.f);
    EXPECT_FLOAT_EQ(PriceTextPlace(2).y, 618.f);
    EXPECT_FLOAT_EQ(PotionIconPlace(3, 2).x, 760.f);
    EXPECT_FLOAT_EQ(PotionIconPlace(3, 2).y, 763.f);
    EXPECT_NEAR(QuestButtonRect(0).left, 307.6f, 0.01f);
    EXPECT_NEAR(QuestButtonRect(1).left, 744.4f, 0.01f);
    EXPECT_NEAR(QuestButtonRect(2).top, 191.8f, 0.01f);
    EXPECT_NEAR(QuestButtonRect(2).width, 403.2f, 0.01f);
    EXPECT_NEAR(QuestButtonRect(2).height, 680.4f, 0.01f);
    EXPECT_FLOAT_EQ(QuestSelectionPlace(2).x, 1173.f);
    EXPECT_NEAR(SpellButtonRect(0).left, 578.2f, 0.01f);
    EXPECT_NEAR(SpellButtonRect(0).top, 184.36f, 0.01f);
    EXPECT_NEAR(SpellButtonRect(4).left, 827.8f, 0.01f);
    EXPECT_NEAR(SpellButtonRect(5).left, 1077.4f, 0.01f);
    EXPECT_NEAR(SpellButtonRect(5).top, 533.2f, 0.01f);
    EXPECT_NEAR(SpellButtonRect(5).height, 330.48f, 0.01f);
    EXPECT_FLOAT_EQ(CardSelectionPlace(4).x, 827.f);
    EXPECT_FLOAT_EQ(CardSelectionPlace(4).y, 536.f);
    EXPECT_FLOAT_EQ(RecapTextY(3), 250.f);
    EXPECT_FLOAT_EQ(RecapTextY(4), 530.f);
    EXPECT_FLOAT_EQ(RecapIconRect(3).Right(), 1671.f);
}

}  // namespace
