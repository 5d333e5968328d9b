#include "SelectImageFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace {

using Kind = ScriptedDialogs::Kind;

struct ExampleSelection
{
    const char* name;
    TovImgType kind;
    QPoint firstPixel;
    QPoint lastPixel;
    std::function<void(TFormSelectImage&)> setOptions;
    const char* expected;
};

const ExampleSelection examples[] = {
    {"BorderMask", itisaBorder, {4, 51}, {6, 56},
     [](TFormSelectImage& tool) {
         tool.sSpinEdit1->setValue(1);
         tool.sCheckBox1->setChecked(false);
         tool.sCheckBox5->setChecked(true);
         tool.sCheckBox2->setChecked(false);
         tool.WL->setValue(0);
         tool.WT->setValue(1);
         tool.WR->setValue(2);
         tool.WB->setValue(1);
     },
     "^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1"},
    {"DiscreteTiledPattern", itisaTexture, {67, 141}, {68, 144},
     [](TFormSelectImage& tool) {
         tool.sComboBox1->setCurrentIndex(10);
         tool.sCheckBox1->setChecked(true);
     },
     "~0067~0141~0069~0145~10~1"},
    {"Glyph", itisaGlyph, {106, 0}, {144, 12},
     [](TFormSelectImage& tool) {
         tool.sSpinEdit1->setValue(3);
         tool.sCheckBox1->setChecked(false);
     },
     "@0106@0000@0145@0013@3@0"},
};

class SelectFromMasterExamples : public SelectImageTest, public testing::WithParamInterface<std::tuple<int, int>>
{
};

} // namespace

TEST_P(SelectFromMasterExamples, DraggedSelectionsGiveTheValueOfTheirSyntax)
{
    const auto [exampleIndex, scale] = GetParam();
    const ExampleSelection& example = examples[exampleIndex];
    form->CheckBoxMasterOnly->setChecked(true);
    QToolButton reset;
    reset.setEnabled(false);
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        tool.sTrackBar1->setValue(scale);
        // Scrolled near the selection, so the drag works through scrolled positions.
        tool.sScrollBox1->horizontalScrollBar()->setValue(std::max(0, example.firstPixel.x() * scale - 40));
        tool.sScrollBox1->verticalScrollBar()->setValue(std::max(0, example.firstPixel.y() * scale - 40));
        dragSelection(tool, example.firstPixel, example.lastPixel);
        example.setOptions(tool);
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("N/A"), example.kind, &reset), QString::fromLatin1(example.expected));
    EXPECT_TRUE(script.ran());
    EXPECT_TRUE(reset.isEnabled());
    EXPECT_TRUE(dialogs.asked().empty());
}

INSTANTIATE_TEST_SUITE_P(AtScales1And4, SelectFromMasterExamples,
                         testing::Combine(testing::Range(0, int(std::size(examples))), testing::Values(1, 4)),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(examples[std::get<0>(info.param)].name) + "AtScale"
                                    + std::to_string(std::get<1>(info.param));
                         });

TEST_F(SelectImageTest, AnExistingValueOpensWithItsSelectionAndOptions)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_EQ(tool.Selection(), (TRect{4, 51, 7, 57}));
        EXPECT_EQ(tool.sSpinEdit1->value(), 1);
        EXPECT_FALSE(tool.sCheckBox1->isChecked());
        EXPECT_TRUE(tool.sCheckBox5->isChecked());
        EXPECT_FALSE(tool.sCheckBox2->isChecked());
        EXPECT_TRUE(tool.GroupBorder->isVisible());
        EXPECT_TRUE(tool.GroupBorderOptions->isVisible());
        EXPECT_FALSE(tool.GroupTex->isVisible());
        // Only the state count changes: the rest comes back as it was.
        tool.sSpinEdit1->setValue(2);
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1"), itisaBorder),
              QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^2^0^4^1"));
    EXPECT_TRUE(script.ran());
}

TEST_F(SelectImageTest, UseForAllEdgesKeepsTheTypedWidthWithinHalfAState)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        dragSelection(tool, {10, 10}, {29, 29});
        ASSERT_EQ(tool.sSpinEdit1->value(), 3);
        ASSERT_TRUE(tool.sCheckBox2->isChecked());
        tool.WL->setFocus();
        tool.WL->selectAll();
        QTest::keyClicks(tool.WL, QStringLiteral("5"));
        EXPECT_EQ(tool.WL->value(), 2);
        EXPECT_EQ(tool.WT->value(), 2);
        EXPECT_EQ(tool.WR->value(), 2);
        EXPECT_EQ(tool.WB->value(), 2);
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("N/A"), itisaBorder),
              QStringLiteral("^0010^0010^0030^0030^0002^0002^0002^0002^3^1^0^1"));
}

TEST_F(SelectImageTest, WithoutUseForAllEdgesOppositeWidthsShareTheState)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        dragSelection(tool, {1, 1}, {30, 10}); // 30 x 10, three states of 10, a mask: w = 9, h = 4
        tool.sCheckBox2->setChecked(false);
        tool.WL->setValue(12);
        EXPECT_EQ(tool.WL->value(), 9);
        tool.WR->setValue(3);
        EXPECT_EQ(tool.WL->value(), 6);
        tool.WT->setValue(3);
        tool.WB->setValue(2);
        EXPECT_EQ(tool.WT->value(), 2);
        clickCancel(tool);
    });
    ChooseImageValue(*form, QStringLiteral("^0000^0000^0000^0000^0000^0000^0000^0000^3^1^0^1"), itisaBorder);
    EXPECT_TRUE(script.ran());
}

TEST_F(SelectImageTest, DraggingUpAndLeftSelectsFromThePointerToTheStart)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        tool.sTrackBar1->setValue(4);
        dragSelection(tool, {30, 40}, {20, 35});
        EXPECT_EQ(tool.Selection(), (TRect{20, 35, 31, 41}));
        EXPECT_EQ(tool.LabelWidth->text(), QStringLiteral("W : 11"));
        EXPECT_EQ(tool.LabelHeight->text(), QStringLiteral("H : 6"));
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("@0000@0000@0000@0000@1@0"), itisaGlyph),
              QStringLiteral("@0020@0035@0031@0041@1@0"));
}

TEST_F(SelectImageTest, TypedEdgesSetTheSelection)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        tool.sSpinEdit2->setValue(150);
        tool.sSpinEdit3->setValue(7);
        tool.sSpinEdit4->setValue(152);
        tool.sSpinEdit5->setValue(9);
        EXPECT_EQ(tool.ViewSelection(), (TRect{150, 7, 151, 8}));
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("~0000~0000~0001~0001~00~0"), itisaTexture),
              QStringLiteral("~0150~0007~0152~0009~00~0"));
}

TEST_F(SelectImageTest, CancellingKeepsTheValueAndStillSavesScaleAndWindowState)
{
    const QString value = QStringLiteral("@0106@0000@0145@0013@3@0");
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        tool.sTrackBar1->setValue(6);
        dragSelection(tool, {1, 1}, {5, 5});
        QTest::keyClick(&tool, Qt::Key_Escape);
    });
    EXPECT_EQ(ChooseImageValue(*form, value, itisaGlyph), value);
    EXPECT_TRUE(script.ran());
    EXPECT_EQ(selectionSetting("Scale"), "6");
    EXPECT_EQ(selectionSetting("WindowState"), "0");
}

TEST_F(SelectImageTest, TheRememberedScaleAndAMaximizedWindowComeBack)
{
    writeSettings("[Selection]\r\nScale=7\r\nWindowState=2\r\n");
    TFormSelectImage tool(form->SettingsFileName);
    EXPECT_EQ(tool.sTrackBar1->value(), 7);
    EXPECT_EQ(tool.Scale(), 7);
    EXPECT_TRUE(tool.windowState() & Qt::WindowMaximized);
}

TEST_F(SelectImageTest, ABorderValueOf47CharactersIsNotRead)
{
    const QString value = QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^");
    ASSERT_EQ(value.size(), 47);
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_EQ(tool.Selection(), (TRect{0, 0, 0, 0}));
        EXPECT_EQ(tool.sSpinEdit1->value(), 3);
        EXPECT_TRUE(tool.sCheckBox1->isChecked());
        EXPECT_FALSE(tool.sCheckBox5->isChecked());
        clickCancel(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, value, itisaBorder), value);
    EXPECT_TRUE(script.ran());
}

TEST_F(SelectImageTest, PatternMaskIsOnlyForDiscreteTiles)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_TRUE(tool.GroupTex->isVisible());
        EXPECT_FALSE(tool.GroupBorder->isVisible());
        EXPECT_FALSE(tool.GroupBorderOptions->isVisible());
        EXPECT_EQ(tool.sComboBox1->currentIndex(), 10);
        EXPECT_TRUE(tool.sCheckBox1->isEnabled());
        EXPECT_TRUE(tool.sCheckBox1->isChecked());
        tool.sComboBox1->setCurrentIndex(1);
        EXPECT_FALSE(tool.sCheckBox1->isEnabled());
        EXPECT_FALSE(tool.sCheckBox1->isChecked());
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("~0067~0141~0069~0145~10~1"), itisaTexture),
              QStringLiteral("~0067~0141~0069~0145~01~0"));
}

TEST_F(SelectImageTest, TheViewScrollsToASelectionOutOfSight)
{
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        const QSize view = tool.sScrollBox1->viewport()->size();
        EXPECT_EQ(tool.ScrollPosition(), QPoint(100 * 8 - view.width() / 2, 120 * 8 - view.height() / 2));
        clickCancel(tool);
    });
    writeSettings("[Selection]\r\nScale=8\r\n");
    ChooseImageValue(*form, QStringLiteral("@0100@0120@0105@0125@1@0"), itisaGlyph);
    EXPECT_TRUE(script.ran());
}

TEST_F(SelectImageTest, ChangingTheScaleKeepsTheImagePixelAtTheTopLeft)
{
    TFormSelectImage tool(form->SettingsFileName);
    tool.SetToolImage(patternBitmap(200, 200));
    tool.show();
    tool.sTrackBar1->setValue(4);
    tool.sScrollBox1->horizontalScrollBar()->setValue(203); // image pixel 50
    tool.sScrollBox1->verticalScrollBar()->setValue(41);    // image pixel 10
    tool.sTrackBar1->setValue(8);
    EXPECT_EQ(tool.ScrollPosition(), QPoint(400, 80));
    EXPECT_EQ(tool.sScrollBox1->horizontalScrollBar()->maximum(),
              200 * 8 + 25 - tool.sScrollBox1->viewport()->width());
}

TEST_F(SelectImageTest, PickedFilesBecomeFileValues)
{
    writeBitmap(QStringLiteral("ButtonHuge.bmp"), 90, 40);
    const struct
    {
        int width;
        const char* expected;
    } cases[] = {{0, "!BUTTONHUGE.BMP!3!1!0"}, {3, "!BUTTONHUGE.BMP!3!1!0!0003!0003!0003!0003"}};
    for (const auto& entry : cases) {
        dialogs.answerNo();
        dialogs.chooseFile(QStringLiteral("/elsewhere/ButtonHuge.bmp"));
        WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
            EXPECT_EQ(tool.Selection(), (TRect{0, 0, 90, 40}));
            EXPECT_TRUE(tool.GroupBorder->isVisible());
            tool.sSpinEdit1->setValue(3);
            tool.sCheckBox1->setChecked(true);
            tool.sCheckBox2->setChecked(true);
            tool.WL->setValue(entry.width);
            clickOk(tool);
        });
        form->CheckBoxMasterOnly->setChecked(false);
        EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("N/A"), itisaBorder), QString::fromLatin1(entry.expected));
        const auto confirms = dialogs.asked(Kind::Confirm);
        ASSERT_FALSE(confirms.empty());
        EXPECT_EQ(confirms.back().text, QStringLiteral("Do you want to select image from MasterBitmap?"));
        const auto files = dialogs.asked(Kind::OpenFile);
        ASSERT_FALSE(files.empty());
        EXPECT_EQ(files.back().file.Filter, QStringLiteral("Images (*.bmp)|*.bmp"));
        EXPECT_EQ(files.back().file.InitialDir, skinFolder());
    }
}

TEST_F(SelectImageTest, AFileValueKeepsItsWidthsAndAnOddHeightHasNoMask)
{
    writeBitmap(QStringLiteral("ODD.BMP"), 30, 21);
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_FALSE(tool.sCheckBox1->isChecked());
        EXPECT_EQ(tool.sSpinEdit1->value(), 2);
        EXPECT_EQ(tool.WL->value(), 1);
        EXPECT_EQ(tool.WB->value(), 4);
        EXPECT_FALSE(tool.sCheckBox2->isChecked());
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("!ODD.BMP!2!1!0!0001!0002!0003!0004"), itisaBorder),
              QStringLiteral("!ODD.BMP!2!0!0!0001!0002!0003!0004"));
}

TEST_F(SelectImageTest, GlyphFilesHaveNoBorderWidths)
{
    writeBitmap(QStringLiteral("ARROW.BMP"), 30, 10);
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_FALSE(tool.GroupBorder->isVisible());
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("!ARROW.BMP!3!0!2"), itisaGlyph), QStringLiteral("!ARROW.BMP!3!0!2"));
    EXPECT_TRUE(script.ran());
}

TEST_F(SelectImageTest, GlowImagesComeFromPngFilesOnly)
{
    writePng(QStringLiteral("Glow.png"), 40, 40);
    dialogs.chooseFile(skinFolder() + QStringLiteral("/Glow.png"));
    WhenShown<TFormSelectImage> script([&](TFormSelectImage& tool) {
        EXPECT_TRUE(tool.GroupBorder->isVisible());
        tool.WL->setValue(0);
        clickOk(tool);
    });
    EXPECT_EQ(ChooseImageValue(*form, QString(), itisaGlow), QStringLiteral("!GLOW.PNG!1!0!3"));
    EXPECT_EQ(dialogs.asked(Kind::OpenFile).at(0).file.Filter, QStringLiteral("PNG Images (*.png)|*.png"));

    const QString border = QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1");
    WhenShown<TFormSelectImage> noWindow([](TFormSelectImage& tool) { tool.reject(); });
    EXPECT_EQ(ChooseImageValue(*form, border, itisaGlow), border);
    EXPECT_FALSE(noWindow.ran());
}

TEST_F(SelectImageTest, AJpegPatternIsStoredByItsBareName)
{
    QToolButton reset;
    reset.setEnabled(false);
    form->MasterBitmap.reset();
    dialogs.chooseFile(QStringLiteral("/elsewhere/Wood.jpg"));
    EXPECT_EQ(ChooseImageValue(*form, QString(), itisaTexture, &reset), QStringLiteral("WOOD.JPG"));
    EXPECT_TRUE(reset.isEnabled());
    EXPECT_EQ(dialogs.asked(Kind::OpenFile).at(0).file.Filter, QStringLiteral("Images (*.bmp, *.jpg)|*.bmp;*.jpg"));
}

TEST_F(SelectImageTest, ACancelledFileDialogChangesNothing)
{
    form->MasterBitmap.reset();
    QToolButton reset;
    reset.setEnabled(true);
    dialogs.cancel(Kind::OpenFile);
    EXPECT_EQ(ChooseImageValue(*form, QStringLiteral("N/A"), itisaBorder, &reset), QStringLiteral("N/A"));
    EXPECT_TRUE(reset.isEnabled());
    EXPECT_TRUE(dialogs.asked(Kind::Confirm).empty());
}

TEST_F(SelectImageTest, BadInputGivesOneMessageAndKeepsTheValue)
{
    writePng(QStringLiteral("Fine.png"), 4, 4);
    program.write(QStringLiteral("Skins/Demo/BROKEN.PNG"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, 'x'));
    const struct
    {
        const char* value;
        TovImgType kind;
        const char* message;
    } cases[] = {
        {"!MISSING.BMP!1!0!0", itisaBorder, "Can't find file"},
        {"!BROKEN.PNG!1!0!3", itisaGlow, "Cannot load image. Invalid or unexpected PNG image format."},
        {"^000x^0051^0007^0057^0000^0001^0002^0001^1^0^4^1", itisaBorder, nullptr},
        {"@0106@0000@0145@001x@3@0", itisaGlyph, nullptr},
        {"# (a,b,c,d) (1,0)", itisaTexture, nullptr},
        {"!FINE.PNG!one!0!3", itisaGlow, nullptr},
    };
    for (const auto& entry : cases) {
        const std::size_t before = dialogs.asked(Kind::Error).size();
        const QString value = QString::fromLatin1(entry.value);
        EXPECT_EQ(ChooseImageValue(*form, value, entry.kind), value) << entry.value;
        const auto errors = dialogs.asked(Kind::Error);
        ASSERT_EQ(errors.size(), before + 1) << entry.value;
        if (entry.message)
            EXPECT_EQ(errors.back().text, QString::fromLatin1(entry.message));
        else
            EXPECT_TRUE(errors.back().text.contains(QLatin1Char('\''))) << errors.back().text.toStdString();
    }

    QFile::remove(skinFolder() + QStringLiteral("/Master.bmp"));
    const QString glyph = QStringLiteral("@0106@0000@0145@0013@3@0");
    EXPECT_EQ(ChooseImageValue(*form, glyph, itisaGlyph), glyph);
    EXPECT_EQ(dialogs.asked(Kind::Error).back().text, QStringLiteral("Master bitmap does not exists!"));
}
