#include "widgets/Label.h"

#include "engine/Core.h"
#include "graphics/Interface.h"
#include "widgets/WidgetScene.h"

#include <gtest/gtest.h>

namespace
{
using Lines = std::vector<std::string>;

Label labelOf(const std::string& text)
{
    return Label(text, 1, 1, Vector3(0, 0, 0), Vector3(1, 1, 1));
}

TEST(LabelLines, TextIsSplitAtEveryNewline)
{
    EXPECT_EQ((Lines{"NEW GAME"}), labelOf("NEW GAME").getLines());
    EXPECT_EQ((Lines{"LEVEL", "12"}), labelOf("LEVEL\n12").getLines());
    EXPECT_EQ((Lines{"A", ""}), labelOf("A\n").getLines()) << "a trailing newline gives an empty last line";
    EXPECT_EQ((Lines{"", "", ""}), labelOf("\n\n").getLines());
    EXPECT_EQ((Lines{""}), labelOf("").getLines()) << "an empty text is one empty line";
}

TEST(LabelLines, SetTextReplacesTextAndLines)
{
    Label label = labelOf("ONE\nTWO\nTHREE");
    label.setText("3");
    EXPECT_EQ("3", label.getText());
    EXPECT_EQ((Lines{"3"}), label.getLines());
    label.setText("A\nB");
    EXPECT_EQ("A\nB", label.getText());
    EXPECT_EQ((Lines{"A", "B"}), label.getLines());
}

using LabelDrawingTest = WidgetScene;

const GlWindow::Colour black{0, 0, 0};
const GlWindow::Colour green{0, 255, 0};

TEST_F(LabelDrawingTest, LinesStepDownByTheScaledGlyphHeightFromATruncatedCorner)
{
    useWhiteFont("AB");
    // Each glyph is 18 wide and 48 tall; line 1 covers y 252..299, line 2 y 204..251, both from x 110.
    Core::instance()->getInterface()->addWidget(
        new Label("A B\nBA", 1, 1.2f, Vector3(110.9f, 300, 0), Vector3(0, 1, 0)));
    drawInterface();

    EXPECT_EQ(green, window.pixel(110, 299));
    EXPECT_EQ(green, window.pixel(127, 252));
    EXPECT_EQ(black, window.pixel(109, 280));
    EXPECT_EQ(black, window.pixel(110, 300));
    for (int x : {128, 136, 145})
        EXPECT_EQ(black, window.pixel(x, 280)) << "the space's cell at x " << x;
    EXPECT_EQ(green, window.pixel(146, 299));
    EXPECT_EQ(green, window.pixel(163, 252));
    EXPECT_EQ(black, window.pixel(164, 280));

    EXPECT_EQ(green, window.pixel(110, 251));
    EXPECT_EQ(green, window.pixel(145, 204));
    EXPECT_EQ(black, window.pixel(146, 230)) << "the second line has two characters";
    EXPECT_EQ(black, window.pixel(120, 203));
    EXPECT_EQ(4 * 18 * 48, countPixels(green));
    EXPECT_EQ(4 * 18 * 48, litPixels());
}

TEST_F(LabelDrawingTest, ChangedTextIsWhatTheNextFrameShows)
{
    useWhiteFont("0123456789");
    Handle<Label> counter = new Label("5", 1, 1, Vector3(100, 100, 0), Vector3(1, 1, 1));
    Core::instance()->getInterface()->addWidget(counter);
    drawInterface();
    EXPECT_EQ(18 * 40, litPixels());
    counter->setText("10");
    drawInterface();
    EXPECT_EQ(2 * 18 * 40, litPixels());
    counter->setText("");
    drawInterface();
    EXPECT_EQ(0, litPixels());
}

} // namespace
