#include "controls/sSkinBroadcast.h"

#include "engine/sSkinCommand.h"
#include "engine/sSkinManager.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Stands in for a skinned control: answers "is skinned" and records the rest.
class SkinnedStub : public QWidget
{
public:
    using QWidget::QWidget;
    bool event(QEvent* e) override
    {
        if (e->type() != SkinCommandEvent::EventType())
            return QWidget::event(e);
        auto* command = static_cast<SkinCommandEvent*>(e);
        if (command->SubCommand == SkinCmdIsSkinned) {
            command->Result = 1;
            command->Answered = true;
        } else {
            received.push_back(command->SubCommand);
        }
        return true;
    }
    std::vector<int> received;
};

// A plain window that records what reaches it.
class PlainRecorder : public QWidget
{
public:
    using QWidget::QWidget;
    bool event(QEvent* e) override
    {
        if (e->type() == SkinCommandEvent::EventType()) {
            const int command = static_cast<SkinCommandEvent*>(e)->SubCommand;
            if (command != SkinCmdIsSkinned)
                received.push_back(command);
        }
        return QWidget::event(e);
    }
    std::vector<int> received;
};

TEST(SkinBroadcast, ReachesSkinnedControlsThroughPlainContainers)
{
    InstallSkinBroadcast();
    PlainRecorder form;
    PlainRecorder panel(&form);
    SkinnedStub button(&panel);
    SkinnedStub outer(&form);
    SkinnedStub inner(&outer); // inside a skinned control: its parent passes it on
    PlainRecorder second;

    TsSkinManager manager;
    manager.SetActive(false);
    manager.RepaintAllWindows();
    const std::vector<int> repaint{SkinCmdRemoveSkin, SkinCmdStopFading, SkinCmdRefresh};
    EXPECT_EQ(form.received, repaint);
    EXPECT_EQ(second.received, repaint);
    EXPECT_TRUE(panel.received.empty());
    EXPECT_EQ(button.received, repaint);
    EXPECT_EQ(outer.received, repaint);
    EXPECT_TRUE(inner.received.empty());
    SetSkinBroadcast({});
    TsSkinManager::SetMessageHandler({});
}

TEST(SkinBroadcast, TopLevelSkinnedControlsAreSkipped)
{
    SkinnedStub alone;
    SkinCommandEvent event(SkinCmdRefresh);
    BroadcastToApplicationForms(event);
    EXPECT_TRUE(alone.received.empty());
}

TEST(SkinBroadcast, ManagerNoticesBecomeWarnings)
{
    ScriptedDialogs dialogs;
    InstallSkinBroadcast();
    TestFolder folder;
    folder.write("Broken.vpk", "ABCD");
    {
        TsSkinManager manager;
        manager.SetSkinDirectory(folder.path().toStdString());
        manager.SetSkinName("Broken");
    }
    ASSERT_EQ(dialogs.asked(ScriptedDialogs::Kind::Warning).size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].text, "Loaded data is not packed Vespira file");
    SetSkinBroadcast({});
    TsSkinManager::SetMessageHandler({});
}

} // namespace
