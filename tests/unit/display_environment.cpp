// One OpenGL context held for the whole test process. SFML closes its X
// connection whenever its last context goes (between tests), and an X
// server left with no client resets itself; a test that opens the next
// connection during that reset is refused and SFML aborts. Holding a
// context keeps the one connection open from the first test to the last.
#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct HeldDisplay : testing::Environment {
    std::unique_ptr<sf::Context> context;
    void SetUp() override { context = std::make_unique<sf::Context>(); }
    void TearDown() override { context.reset(); }
};

[[maybe_unused]] testing::Environment* const kHeldDisplay = testing::AddGlobalTestEnvironment(new HeldDisplay);

}  // namespace
