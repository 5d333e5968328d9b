#pragma once

#include "editor/Unit1.h"
#include "support/ScopedProcessSettings.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>

// A main window started in a temporary program folder, with a private
// registry file, scripted dialogs and a private folder of window sockets (no
// preview program outside the test is ever found).
class MainFormTest : public testing::Test
{
protected:
    MainFormTest();
    ~MainFormTest() override;

    std::unique_ptr<TMainForm> start();
    void writeSettings(const QByteArray& text) const;
    QByteArray settings() const;
    // A skin folder below the program folder's "Skins" with the given options text.
    void addSkin(const QString& name, const QByteArray& options = "[GLOBALINFO]\r\nVERSION=6.22\r\n") const;
    QString skinsPath() const;
    QByteArray registry() const;
    static QAction* skinItem(const TMainForm& form, const QString& skin);
    static QStringList skinMenuNames(const TMainForm& form);
    // Chooses a skin from the skins menu as the user would.
    static void chooseSkin(TMainForm& form, const QString& skin);
    static QStringList sectionEntries(const TMainForm& form);
    static QString selectedSection(const TMainForm& form);
    // Options text as the skin document writes it back.
    static QByteArray asWritten(const QByteArray& text);
    QByteArray settingValue(const char* section, const char* key) const;
    std::vector<std::pair<std::string, std::string>> settingValues(const char* section) const;

    TestFolder program;
    ScriptedDialogs dialogs;

private:
    ScopedEnvironmentVariable programDir_;
    TestFolder sockets_;
    ScopedEnvironmentVariable runtimeDir_;
};
