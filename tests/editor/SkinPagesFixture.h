#pragma once

#include "MainFormFixture.h"

#include "skinfiles/TMemIniFile.h"

#include <QString>

// A main window with one skin "Aqua" open from a temporary skins folder, and
// helpers to read back what the pages wrote into its options file.
class SkinPagesTest : public MainFormTest
{
protected:
    // Opens "Aqua" holding options; sectionsIni, when given, becomes the
    // program's standard section list.
    std::unique_ptr<TMainForm> open(const QByteArray& options, const QByteArray& sectionsIni = {});
    // Chooses a section in the sections list as the user would (showing the
    // window makes GLOBALINFO current until a section is chosen).
    static void select(TMainForm& form, const QString& section);
    // The options file as it is on disk now.
    TMemIniFile written() const;
    QByteArray writtenValue(const char* section, const char* key) const;
    QByteArray optionsBytes() const;
    // Publication leaves its mark in the registry file; this wipes it so the
    // next check tells whether something was published since.
    void forgetPublications() const;
    bool publishedSinceForget() const;
};
