#include "editor/sGradBuilder.h"

#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const TColor Shadow = ColorToRGB(0xFF000010);

std::string Num(TColor c)
{
    return std::to_string(std::int32_t(c));
}

class GradBuilder : public ::testing::Test
{
protected:
    GradBuilder() { builder.show(); }

    template <class W>
    W* child(const char* name)
    {
        W* w = builder.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    TGradPoint* addPoint(int top)
    {
        QTest::mouseClick(builder.Strip(), Qt::LeftButton, {}, QPoint(14, top));
        return builder.Points().back();
    }

    void openMenu(TGradPoint* point)
    {
        QTest::mousePress(point, Qt::RightButton, {}, QPoint(3, 3));
        QTest::mouseRelease(point, Qt::RightButton, {}, QPoint(3, 3));
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(3, 3), point->mapToGlobal(QPoint(3, 3)));
        // The offscreen platform reports that pop-ups cannot raise or grab the keyboard.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QApplication::sendEvent(point, &menu);
        qInstallMessageHandler(previous);
    }

    void deletePoint(TGradPoint* point)
    {
        openMenu(point);
        builder.DeleteAction()->trigger();
        builder.PointMenu()->close();
    }

    std::vector<int> tops() const
    {
        std::vector<int> result;
        for (const TGradPoint* p : builder.Points())
            result.push_back(p->y());
        return result;
    }

    std::vector<std::uint32_t> percents() const
    {
        std::vector<std::uint32_t> result;
        for (const GradientStep& s : builder.Steps())
            result.push_back(s.Percent);
        return result;
    }

    ScriptedDialogs dialogs;
    TGradBuilder builder;
};

TEST_F(GradBuilder, FreshBuilderAcceptedAtOnceGivesWhiteToShadow)
{
    EXPECT_EQ(builder.windowTitle(), "Gradient builder");
    EXPECT_EQ(tops(), (std::vector<int>{0, 214}));
    EXPECT_TRUE(child<QRadioButton>("sRadioButton1")->isChecked());
    click("sButton1");
    EXPECT_EQ(builder.Result(), TGradBuilder::mrOK);
    EXPECT_EQ(builder.GetDataString(), "16777215;" + Num(Shadow) + ";97;0;0;" + Num(Shadow) + ";" + Num(Shadow) + ";0;0;0");
}

TEST_F(GradBuilder, MarkerTwentyTwoPixelsDownMakesATenPercentStep)
{
    addPoint(22);
    EXPECT_EQ(percents(), (std::vector<std::uint32_t>{10, 87, 0}));
    EXPECT_EQ(builder.Steps()[0].Color2, clWhite);
}

TEST_F(GradBuilder, HorizontalChangesOnlyTheModes)
{
    addPoint(22);
    addPoint(110);
    const TsGradArray before = builder.Steps();
    click("sRadioButton2");
    EXPECT_EQ(tops(), (std::vector<int>{0, 214, 22, 110}));
    ASSERT_EQ(builder.Steps().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(builder.Steps()[i].Mode, 1);
        EXPECT_EQ(builder.Steps()[i].Percent, before[i].Percent);
        EXPECT_EQ(builder.Steps()[i].Color1, before[i].Color1);
    }
}

TEST_F(GradBuilder, DiagonalSelectorChangeMakesFiveTriangleSteps)
{
    click("sRadioButton3");
    EXPECT_TRUE(builder.Points().empty());
    dialogs.chooseColor(0x123456);
    click("sColorSelect5"); // the centre
    EXPECT_EQ(percents(), (std::vector<std::uint32_t>{24, 24, 24, 24, 0}));
    for (const GradientStep& s : builder.Steps())
        EXPECT_EQ(s.Mode, 2);
    EXPECT_EQ(builder.Steps()[0].Color2, 0x123456u);
    EXPECT_EQ(builder.Steps()[1].Color1, 0x123456u);
    EXPECT_EQ(builder.Steps()[0].Color1, clWhite);
    EXPECT_EQ(builder.Steps()[4].Color1, builder.Steps()[4].Color2);
}

TEST_F(GradBuilder, DeletingTwoMarkersLeavesTheRest)
{
    TGradPoint* a = addPoint(44);
    addPoint(110);
    TGradPoint* c = addPoint(176);
    deletePoint(a);
    deletePoint(c);
    EXPECT_EQ(tops(), (std::vector<int>{0, 214, 110}));
    EXPECT_EQ(percents(), (std::vector<std::uint32_t>{50, 47, 0}));
    openMenu(builder.Points()[0]);
    EXPECT_FALSE(builder.DeleteAction()->isEnabled()) << "the end markers stay";
    builder.PointMenu()->close();
}

TEST_F(GradBuilder, MarkersAtTheSameHeightPassThroughTheLaterOne)
{
    addPoint(66);
    dialogs.chooseColor(0x0000FF);
    QTest::mouseDClick(addPoint(66), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(percents(), (std::vector<std::uint32_t>{30, 67, 0, 0}));
    EXPECT_EQ(builder.Steps()[0].Color2, 0x0000FFu);
}

TEST_F(GradBuilder, DraggingMovesMiddleMarkersVerticallyOnly)
{
    TGradPoint* point = addPoint(50);
    QTest::mousePress(point, Qt::LeftButton, {}, QPoint(5, 3));
    QTest::mouseMove(point, QPoint(9, 47));
    QTest::mouseRelease(point, Qt::LeftButton, {}, QPoint(9, 47));
    EXPECT_EQ(point->pos(), QPoint(5, 94));
    EXPECT_EQ(percents().front(), 43u); // 94 / 2.2
    TGradPoint* first = builder.Points()[0];
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 3));
    QTest::mouseMove(first, QPoint(5, 60));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(5, 60));
    EXPECT_EQ(first->y(), 0);
}

TEST_F(GradBuilder, ShortOrAbsentGradientsOpenVerticalWithTheEndMarkers)
{
    for (const TsGradArray& input : {TsGradArray{}, TsGradArray{{clBlack, clWhite, 50, 1, 0}}}) {
        TGradBuilder fresh;
        fresh.SetData(input);
        fresh.show();
        EXPECT_EQ(fresh.Points().size(), 2u);
        EXPECT_EQ(fresh.GetDirection(), 0);
    }
}

TEST_F(GradBuilder, GivenGradientComesBackThroughTheMarkers)
{
    TGradBuilder fresh;
    fresh.SetData({{clBlack, 0x00FF00, 20, 1, 0}, {0x00FF00, clWhite, 80, 1, 0}, {clWhite, clWhite, 0, 1, 0}});
    fresh.show();
    EXPECT_EQ(fresh.GetDirection(), 1);
    EXPECT_EQ(fresh.GetDataString(), "0;65280;20;1;0;65280;16777215;77;1;0;16777215;16777215;0;1;0");
}

TEST_F(GradBuilder, PreviewIsPaintedWithTheGradientPainter)
{
    const QImage preview = child<QWidget>("PaintBox1")->grab().toImage();
    EXPECT_EQ(preview.pixel(10, 0), qRgb(255, 255, 255));
    EXPECT_EQ(preview.pixel(10, 216), qRgb(GetRValue(Shadow), GetGValue(Shadow), GetBValue(Shadow)));
}

TEST_F(GradBuilder, ClearAsksFirst)
{
    dialogs.answerNo();
    click("sButton2");
    EXPECT_TRUE(builder.isVisible());
    dialogs.answerYes();
    click("sButton2");
    EXPECT_FALSE(builder.isVisible());
    EXPECT_EQ(builder.Result(), TGradBuilder::mrClear);
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::Confirm).size(), 2u);
    EXPECT_EQ(dialogs.asked(ScriptedDialogs::Kind::Confirm)[0].text,
              "Are you sure that want to clear a current gradient information??");
}

// Runs EditGradient with the modal builder answered by a button, or closed.
bool EditWith(const char* button, std::string& data)
{
    QTimer::singleShot(0, [button] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!button)
            modal->close();
        else
            QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
    });
    return EditGradient(nullptr, data);
}

TEST(EditGradient, OkClearCancelAndClose)
{
    ScriptedDialogs dialogs;
    std::string data = "0;255;100;0;0;255;255;0;0;0";
    EXPECT_TRUE(EditWith("sButton1", data));
    EXPECT_EQ(data, "0;255;97;0;0;255;255;0;0;0");
    EXPECT_FALSE(EditWith("BitBtn1", data));
    EXPECT_FALSE(EditWith(nullptr, data)) << "closing the window keeps the gradient";
    EXPECT_EQ(data, "0;255;97;0;0;255;255;0;0;0");
    dialogs.answerYes();
    EXPECT_TRUE(EditWith("sButton2", data));
    EXPECT_EQ(data, "N/A");
    data = "1;x;3;0;0;4;5;6;0;0";
    EXPECT_TRUE(EditWith("sButton1", data)) << "a damaged value opens as a fresh gradient";
    EXPECT_EQ(data, "16777215;" + Num(Shadow) + ";97;0;0;" + Num(Shadow) + ";" + Num(Shadow) + ";0;0;0");
}

} // namespace
