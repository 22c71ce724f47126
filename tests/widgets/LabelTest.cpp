#include "widgets/Label.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "support/Scene.h"

#include <gtest/gtest.h>

namespace
{
using Lines = std::vector<std::string>;

TEST(LabelLines, TextIsSplitAtEveryNewlineIntoOneLineMoreThanItHasNewlines)
{
    Label label("ONE\nTWO", 1, 1, Vector3(0, 0, 0), Vector3(1, 1, 1));
    EXPECT_EQ((Lines{"ONE", "TWO"}), label.getLines());
    const std::pair<const char*, Lines> cases[] = {
        {"NEW GAME", {"NEW GAME"}}, {"A\n", {"A", ""}}, {"\n\n", {"", "", ""}}, {"", {""}}};
    for (const auto& [text, lines] : cases)
    {
        label.setText(text);
        EXPECT_EQ(text, label.getText());
        EXPECT_EQ(lines, label.getLines()) << "'" << text << "'";
    }
}

using LabelDrawingTest = Scene;

TEST_F(LabelDrawingTest, LinesStepDownByTheScaledGlyphHeightFromATruncatedCorner)
{
    const GlWindow::Colour black{0, 0, 0};
    const GlWindow::Colour green{0, 255, 0};
    useWhiteFont("AB");
    // Each glyph is 18 wide and 48 tall; line 1 covers y 252..299, line 2 y 204..251, both from x 110.
    Handle<Label> label = new Label("A B\nBA", 1, 1.2f, Vector3(110.9f, 300, 0), Vector3(0, 1, 0));
    Core::instance()->getInterface()->addWidget(label);
    drawInterface();

    EXPECT_EQ(green, window.pixel(110, 299));
    EXPECT_EQ(black, window.pixel(109, 280));
    EXPECT_EQ(black, window.pixel(110, 300));
    EXPECT_EQ(black, window.pixel(136, 280)) << "the space's cell";
    EXPECT_EQ(green, window.pixel(146, 299));
    EXPECT_EQ(green, window.pixel(110, 251));
    EXPECT_EQ(green, window.pixel(145, 204));
    EXPECT_EQ(black, window.pixel(146, 230)) << "the second line has two characters";
    EXPECT_EQ(4 * 18 * 48, countPixels(green));
    EXPECT_EQ(4 * 18 * 48, litPixels());

    label->setText("");
    drawInterface();
    EXPECT_EQ(0, litPixels()) << "the next frame shows the changed text";
}

} // namespace
