#include "SkinPagesFixture.h"

#include "editor/TColorBox.h"
#include "editor/TDirectEditPage.h"
#include "editor/TGlobalDataPages.h"
#include "editor/TImageField.h"
#include "editor/TPercentBar.h"
#include "editor/TSectionPages.h"
#include "editor/TUpperCaseMemo.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {

const QByteArray buttonSkin = "[GLOBALINFO]\r\nVERSION=6.22\r\nBICONCLOSEGLOW=4\r\n"
                              "[BUTTON]\r\nCOLOR=14344676\r\nTRANSPARENCY=45\r\nBORDERSMASK=^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1\r\n"
                              "GRADIENTDATA=16579836;15066597;99;0;0;15066597;15066597;0;0;0\r\nGRADIENTPERCENT=70\r\n"
                              "HOTPATTERN=~0067~0141~0069~0145~10~1\r\nHOTIMAGEPERCENT=30\r\nFADINGENABLED=true\r\n"
                              "FADINGITERATIONS=7\r\n"
                              "[CHILD]\r\nPARENTCLASS=BUTTON\r\n"
                              "[COMBOBOX]\r\nFADINGENABLED=TRUE\r\n";

QPoint handleCentre(const QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.subControls = QStyle::SC_SliderHandle | QStyle::SC_SliderGroove;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

class SectionPagesTest : public SkinPagesTest
{
protected:
    std::unique_ptr<TMainForm> openButton()
    {
        auto form = open(buttonSkin);
        select(*form, QStringLiteral("BUTTON"));
        return form;
    }
};

} // namespace

TEST_F(SectionPagesTest, AnInheritingSectionShowsItsParentsValuesAndResetsOnlyItsOwnKey)
{
    const auto form = open(buttonSkin);
    select(*form, QStringLiteral("CHILD"));
    TSectionPages& pages = *form->SectionPages;
    EXPECT_EQ(pages.ColorBoxBg->Color(), 14344676u);
    EXPECT_TRUE(pages.ColorBoxBg->CheckReset->isEnabled());
    EXPECT_EQ(pages.ComboMask->Text(), QStringLiteral("^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1"));
    EXPECT_TRUE(pages.ComboMask->CheckReset->isEnabled());
    EXPECT_FALSE(pages.ComboRgn->CheckReset->isEnabled());
    EXPECT_EQ(pages.TrackBarTransBG->Position(), 50);
    EXPECT_TRUE(pages.TrackBarTransBG->CheckReset->isEnabled());
    EXPECT_EQ(pages.CheckGradEdit->isEnabled(), true);
    EXPECT_EQ(pages.GradientArray.size(), 2u);
    EXPECT_EQ(pages.HotGradientText, QStringLiteral("N/A"));
    EXPECT_TRUE(pages.HotGradientArray.empty());

    // Reloading the pages (as the tools do) never makes inherited values the section's own.
    form->LoadSectionPages();
    form->SkinFile->UpdateFile();
    EXPECT_EQ(written().ReadSectionValues("CHILD"),
              (std::vector<std::pair<std::string, std::string>>{{"PARENTCLASS", "BUTTON"}}));

    forgetPublications();
    QTest::mouseClick(pages.ColorBoxBg->CheckReset, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "COLOR"), "14344676");
    EXPECT_EQ(writtenValue("CHILD", "COLOR"), "(absent)");
    EXPECT_EQ(pages.ColorBoxBg->Color(), TColorBox::AbsentColor);
    EXPECT_FALSE(pages.ColorBoxBg->CheckReset->isEnabled());
    EXPECT_TRUE(publishedSinceForget());
}

TEST_F(SectionPagesTest, AStoredPercentageIsShownSnappedButStaysInTheFileUntilMoved)
{
    const auto form = openButton();
    TPercentBar& bar = *form->SectionPages->TrackBarTransBG;
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(bar.Label->text(), QStringLiteral("50%"));
    EXPECT_EQ(writtenValue("BUTTON", "TRANSPARENCY"), "45");

    const struct
    {
        int moved;
        int shown;
    } cases[] = {{5, 0}, {8, 8}, {42, 42}, {43, 50}, {57, 50}, {58, 58}, {92, 92}, {93, 100}};
    for (const auto& c : cases) {
        bar.TrackBar->setValue(c.moved);
        EXPECT_EQ(bar.Position(), c.shown) << c.moved;
        EXPECT_EQ(bar.Label->text(), QString::number(c.shown) + QLatin1Char('%')) << c.moved;
        EXPECT_EQ(writtenValue("BUTTON", "TRANSPARENCY"), QByteArray::number(c.shown)) << c.moved;
        EXPECT_EQ(bar.CheckReset->isEnabled(), c.shown != 0) << c.moved;
    }

    // The reset writes 0; it does not remove the key.
    bar.TrackBar->setValue(30);
    QTest::mouseClick(bar.CheckReset, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "TRANSPARENCY"), "0");
    EXPECT_FALSE(bar.CheckReset->isEnabled());
}

TEST_F(SectionPagesTest, PartnerBarsNeverAddUpToMoreThanAHundred)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    ASSERT_EQ(pages.TrackBarGradPercent->Position(), 70);
    pages.TrackBarImgPercent->TrackBar->setFocus();
    for (int step = 0; step < 6; ++step)
        QTest::keyClick(pages.TrackBarImgPercent->TrackBar, Qt::Key_PageUp);
    EXPECT_EQ(pages.TrackBarImgPercent->Position(), 60);
    EXPECT_EQ(pages.TrackBarGradPercent->Position(), 40);
    EXPECT_EQ(writtenValue("BUTTON", "IMAGEPERCENT"), "60");
    EXPECT_EQ(writtenValue("BUTTON", "GRADIENTPERCENT"), "40");

    // The transparency bars have no partner.
    pages.TrackBarTransBG->SetPosition(100);
    EXPECT_EQ(pages.TrackBarGradPercent->Position(), 40);
}

TEST_F(SectionPagesTest, DraggingWritesEveryPositionButPublishesOnlyOnRelease)
{
    const auto form = open(buttonSkin);
    form->show();
    select(*form, QStringLiteral("COMBOBOX"));
    QSlider* slider = form->SectionPages->TrackBarGradPercent->TrackBar;
    form->PageControlSection->setCurrentWidget(form->TabSheetBG);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    forgetPublications();
    const QPoint start = handleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    ASSERT_TRUE(slider->isSliderDown());
    std::vector<bool> published;
    QByteArray lastWritten;
    for (int dx : {30, 60, 90}) {
        QTest::mouseMove(slider, start + QPoint(dx, 0));
        form->SkinFile->UpdateFile(); // what the document holds, without publishing
        published.push_back(publishedSinceForget());
        EXPECT_NE(writtenValue("COMBOBOX", "GRADIENTPERCENT"), lastWritten);
        lastWritten = writtenValue("COMBOBOX", "GRADIENTPERCENT");
    }
    EXPECT_EQ(published, (std::vector<bool>{false, false, false}));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, start + QPoint(90, 0));
    EXPECT_TRUE(publishedSinceForget());
    EXPECT_EQ(writtenValue("COMBOBOX", "GRADIENTPERCENT"), QByteArray::number(slider->value()));
}

TEST_F(SectionPagesTest, ADragThatPushesThePartnerDownPublishesThePartnerAtOnce)
{
    const auto form = open(buttonSkin);
    form->show();
    select(*form, QStringLiteral("BUTTON"));
    form->PageControlSection->setCurrentWidget(form->TabSheetBG);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QSlider* slider = form->SectionPages->TrackBarImgPercent->TrackBar;
    forgetPublications();
    const QPoint start = handleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(slider, QPoint(slider->width() - 2, start.y()));
    ASSERT_TRUE(slider->isSliderDown());
    EXPECT_GT(slider->value(), 30);
    EXPECT_TRUE(publishedSinceForget());
    EXPECT_EQ(writtenValue("BUTTON", "GRADIENTPERCENT"), QByteArray::number(100 - slider->value()));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() - 2, start.y()));
}

TEST_F(SectionPagesTest, ColourBoxesWriteDecimalColoursAndFuchsiaRemovesTheKey)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    const QList<TColorBox*> boxes = {pages.ColorBoxBg,        pages.ColorBoxHotBG,       pages.ColorBoxFont,
                                     pages.ColorBoxTCLeft,    pages.ColorBoxTCTop,       pages.ColorBoxTCRight,
                                     pages.ColorBoxTCBottom,  pages.ColorBoxHotFont,     pages.ColorBoxHotTCLeft,
                                     pages.ColorBoxHotTCTop,  pages.ColorBoxHotTCRight,  pages.ColorBoxHotTCBottom};
    for (TColorBox* box : boxes) {
        const std::string key = box->Key().toStdString();
        const auto choose = [box](const QString& entry) {
            const int index = box->Box->findText(entry);
            ASSERT_GE(index, 0) << entry.toStdString();
            box->Box->setCurrentIndex(index);
            emit box->Box->activated(index);
        };
        choose(QStringLiteral("Navy"));
        EXPECT_EQ(writtenValue("BUTTON", key.c_str()), "8388608") << key;
        EXPECT_TRUE(box->CheckReset->isEnabled()) << key;
        choose(QStringLiteral("Fuchsia"));
        EXPECT_EQ(writtenValue("BUTTON", key.c_str()), "(absent)") << key;
        EXPECT_FALSE(box->CheckReset->isEnabled()) << key;

        dialogs.chooseColor(0x123456);
        choose(QStringLiteral("Custom..."));
        EXPECT_EQ(dialogs.asked().back().color, TColorBox::AbsentColor);
        EXPECT_EQ(writtenValue("BUTTON", key.c_str()), "1193046") << key;
        EXPECT_EQ(box->Color(), 0x123456u);
        // A cancelled colour dialog changes nothing.
        choose(QStringLiteral("Custom..."));
        EXPECT_EQ(box->Color(), 0x123456u);
        EXPECT_EQ(writtenValue("BUTTON", key.c_str()), "1193046") << key;
    }

    // Which boxes offer what.
    EXPECT_LT(pages.ColorBoxBg->Box->findText(QStringLiteral("None")), 0);
    EXPECT_GE(pages.ColorBoxHotBG->Box->findText(QStringLiteral("None")), 0);
    EXPECT_LT(pages.ColorBoxHotBG->Box->findText(QStringLiteral("Button Face")), 0);
    const int buttonFace = pages.ColorBoxTCLeft->Box->findText(QStringLiteral("Button Face"));
    ASSERT_GE(buttonFace, 0);
    pages.ColorBoxTCLeft->Box->setCurrentIndex(buttonFace);
    emit pages.ColorBoxTCLeft->Box->activated(buttonFace);
    EXPECT_EQ(writtenValue("BUTTON", "TCLEFT"), "-16777201");

    // The keyboard picks colours too.
    pages.ColorBoxBg->Box->setCurrentIndex(pages.ColorBoxBg->Box->findText(QStringLiteral("Black")));
    QTest::keyClick(pages.ColorBoxBg->Box, Qt::Key_Down);
    EXPECT_EQ(pages.ColorBoxBg->Box->currentText(), QStringLiteral("Maroon"));
    EXPECT_EQ(writtenValue("BUTTON", "COLOR"), "128");
}

TEST_F(SectionPagesTest, APatternWithItsOwnMaskHasNoPercentage)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    EXPECT_FALSE(pages.TrackBarHotImgPercent->isEnabled());
    EXPECT_EQ(pages.TrackBarHotImgPercent->Position(), 0);
    EXPECT_EQ(writtenValue("BUTTON", "HOTIMAGEPERCENT"), "30");
    EXPECT_TRUE(pages.CheckHotImgEdit->isEnabled());
    EXPECT_TRUE(pages.TrackBarImgPercent->isEnabled());
    EXPECT_FALSE(pages.CheckImgEdit->isEnabled());

    QTest::mouseClick(pages.CheckHotImgEdit, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "HOTPATTERN"), "(absent)");
    EXPECT_EQ(pages.HotPatternText, QStringLiteral("N/A"));
    EXPECT_TRUE(pages.TrackBarHotImgPercent->isEnabled());
    EXPECT_FALSE(pages.CheckHotImgEdit->isEnabled());

    QTest::mouseClick(pages.CheckGradEdit, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "GRADIENTDATA"), "(absent)");
    EXPECT_TRUE(pages.GradientArray.empty());
}

TEST_F(SectionPagesTest, FadingIsOnOnlyForUpperCaseTrue)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    EXPECT_FALSE(pages.CheckBoxFading->isChecked());
    EXPECT_FALSE(pages.SpinEditIters->isEnabled());
    EXPECT_EQ(pages.SpinEditIters->value(), 7);

    QTest::keyClick(pages.CheckBoxFading, Qt::Key_Space);
    EXPECT_EQ(writtenValue("BUTTON", "FADINGENABLED"), "TRUE");
    EXPECT_TRUE(pages.SpinEditIters->isEnabled());
    pages.SpinEditIters->setValue(12);
    EXPECT_EQ(writtenValue("BUTTON", "FADINGITERATIONS"), "12");

    select(*form, QStringLiteral("COMBOBOX"));
    EXPECT_TRUE(pages.CheckBoxFading->isChecked());
    EXPECT_EQ(pages.SpinEditIters->value(), 5);
    EXPECT_EQ(writtenValue("COMBOBOX", "FADINGITERATIONS"), "(absent)");
}

TEST_F(SectionPagesTest, ImageFieldsWriteTheirTextAndResetRemovesTheKey)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    forgetPublications();
    pages.ComboRgn->SetText(QStringLiteral("@0001@0002@0003@0004@1@0"));
    EXPECT_EQ(writtenValue("BUTTON", "LRGN"), "@0001@0002@0003@0004@1@0");
    EXPECT_TRUE(pages.ComboRgn->CheckReset->isEnabled());
    EXPECT_TRUE(publishedSinceForget());

    // Until the image tool answers, browsing keeps the value.
    QTest::mouseClick(pages.ComboRgn->ButtonBrowse, Qt::LeftButton);
    EXPECT_EQ(pages.ComboRgn->Text(), QStringLiteral("@0001@0002@0003@0004@1@0"));

    QTest::mouseClick(pages.ComboMask->CheckReset, Qt::LeftButton);
    EXPECT_EQ(pages.ComboMask->Text(), QStringLiteral("N/A"));
    EXPECT_EQ(writtenValue("BUTTON", "BORDERSMASK"), "(absent)");
    EXPECT_FALSE(pages.ComboMask->CheckReset->isEnabled());

    // The title-bar glow counts come from GLOBALINFO whatever the section.
    EXPECT_EQ(form->ComboCloseGlowing->text(), QStringLiteral("4"));
    EXPECT_TRUE(form->CheckCloseGlow->isEnabled());
    EXPECT_EQ(form->ComboMaxGlowing->text(), QStringLiteral("N/A"));
    EXPECT_FALSE(form->CheckMaxGlow->isEnabled());
}

TEST_F(SectionPagesTest, TheOptionListsDecideWhichPagesAreShown)
{
    const auto form = open(buttonSkin);
    QTabWidget* pages = form->PageControlSection;
    const auto shown = [pages](QWidget* page) { return pages->isTabVisible(pages->indexOf(page)); };

    select(*form, QStringLiteral("BUTTON"));
    EXPECT_TRUE(shown(form->TabSheetAnimation));
    EXPECT_FALSE(shown(form->TabSheetGlyph));
    EXPECT_FALSE(shown(form->TabSheetTrackBar));
    EXPECT_FALSE(shown(form->TabSheetCorners));
    EXPECT_TRUE(form->ComboSectionGlowing->isEnabled());
    for (QWidget* always : {form->TabSheetInfo, form->TabSheetBG, form->TabSheetHotBG, form->TabSheetFont,
                            form->TabSheetHotFont, static_cast<QWidget*>(form->TabSheetDirect)})
        EXPECT_TRUE(shown(always));

    select(*form, QStringLiteral("COMBOBOX"));
    EXPECT_TRUE(shown(form->TabSheetGlyph));
    EXPECT_FALSE(shown(form->TabSheetAnimation));

    // Exact comparison: a lower-case line does not match.
    form->MemoTrackBar->SetLines({QStringLiteral("CHILD"), QStringLiteral("combobox")});
    select(*form, QStringLiteral("CHILD"));
    EXPECT_TRUE(shown(form->TabSheetTrackBar));
    EXPECT_FALSE(form->ComboSectionGlowing->isEnabled());
}

TEST_F(SectionPagesTest, EditsWithoutACurrentSectionWriteNothing)
{
    const auto form = openButton();
    form->PageControlMain->setCurrentWidget(form->TabSheetGlobalData);
    form->ListBoxSections->clearSelection();
    form->PageControlMain->setCurrentWidget(form->TabSheetSections);
    ASSERT_EQ(form->CurrentSection, QString());
    const QByteArray before = optionsBytes();
    form->SectionPages->TrackBarTransBG->SetPosition(20);
    form->SectionPages->ColorBoxBg->SetColor(0xFF);
    form->SectionPages->ComboRgn->SetText(QStringLiteral("@0001@0002@0003@0004@1@0"));
    form->SkinFile->UpdateFile();
    EXPECT_EQ(optionsBytes(), before);
}

TEST_F(SectionPagesTest, TheWheelChangesOnlyTheFocusedControl)
{
    const auto form = open(buttonSkin);
    form->show();
    select(*form, QStringLiteral("BUTTON"));
    form->PageControlSection->setCurrentWidget(form->TabSheetBG);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QComboBox* box = form->SectionPages->ColorBoxBg->Box;
    QSlider* bar = form->SectionPages->TrackBarGradPercent->TrackBar;
    const auto wheel = [](QWidget* control) {
        const QPointF centre = QRectF(control->rect()).center();
        QWheelEvent event(centre, control->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &event);
    };

    form->ListBoxSections->setFocus();
    const QByteArray before = optionsBytes();
    wheel(box);
    wheel(bar);
    EXPECT_EQ(form->SectionPages->ColorBoxBg->Color(), 14344676u);
    EXPECT_EQ(bar->value(), 70);
    EXPECT_EQ(optionsBytes(), before);

    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    wheel(bar);
    EXPECT_NE(bar->value(), 70);
    EXPECT_NE(optionsBytes(), before);
}

TEST_F(SectionPagesTest, TheGradientPanelsOpenTheBuilderAndWriteWhatItGives)
{
    const auto form = openButton();
    TSectionPages& pages = *form->SectionPages;
    const auto answerBuilder = [](const char* button) {
        QTimer::singleShot(0, [button] {
            QWidget* builder = QApplication::activeModalWidget();
            ASSERT_NE(builder, nullptr);
            QTest::mouseClick(builder->findChild<QPushButton*>(button), Qt::LeftButton);
        });
    };

    forgetPublications();
    answerBuilder("sButton1"); // OK
    QTest::mouseClick(pages.PanelHotGradEdit, Qt::LeftButton);
    EXPECT_NE(writtenValue("BUTTON", "HOTGRADIENTDATA"), "(absent)");
    EXPECT_EQ(pages.HotGradientText.toLatin1(), writtenValue("BUTTON", "HOTGRADIENTDATA"));
    EXPECT_FALSE(pages.HotGradientArray.empty());
    EXPECT_TRUE(pages.CheckHotGradEdit->isEnabled());
    EXPECT_TRUE(publishedSinceForget());

    dialogs.answerYes(); // the builder asks before clearing
    answerBuilder("sButton2"); // Clear
    QTest::mouseClick(pages.PanelGradEdit, Qt::LeftButton);
    EXPECT_EQ(writtenValue("BUTTON", "GRADIENTDATA"), "(absent)");
    EXPECT_TRUE(pages.GradientArray.empty());
    EXPECT_FALSE(pages.CheckGradEdit->isEnabled());
}
