#include "MainFormFixture.h"

#include "editor/SkinUpgrade.h"
#include "skinfiles/TMemIniFile.h"

#include <string>
#include <vector>

namespace {

using Kind = ScriptedDialogs::Kind;

const QString updated433 = QStringLiteral("Current skin has been updated for using with OV v4.33 and newer!");
const QString question466 =
    QStringLiteral("Warning! This skin requires updating to v4.66. Would you like to update automatically it now?");
const QString updated466 = QStringLiteral("Current skin has been updated for using with OV v4.66 and newer!");
const QString updated540 = QStringLiteral("Current skin has been updated for using with OV v5.40 and newer!");

struct Upgraded
{
    double version;
    int writes;
};

class SkinUpgradeTest : public testing::Test
{
protected:
    Upgraded upgrade(double version)
    {
        int writes = 0;
        const double after = UpgradeSkinDocument(skin, version, [&] { ++writes; });
        return {after, writes};
    }

    std::vector<std::pair<Kind, QString>> questions() const
    {
        std::vector<std::pair<Kind, QString>> result;
        for (const ScriptedDialogs::Question& question : dialogs.asked())
            result.emplace_back(question.kind, question.text);
        return result;
    }

    std::string value(const char* section, const char* key) const { return skin.ReadString(section, key, "(missing)"); }

    TMemIniFile skin;
    ScriptedDialogs dialogs;
};

struct ValueCase
{
    const char* section;
    const char* key;
    const char* stored;
    const char* upgraded;
};

} // namespace

TEST_F(SkinUpgradeTest, LegacyValuesAreRewrittenInTheCurrentSyntaxesWhenTheUserAgrees)
{
    const ValueCase cases[] = {
        {"PANEL", "BORDERSMASK", "#(4,51,7,57)(1,0,4)", "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4"},
        {"TRACKBAR", "SLIDERCHANNEL", "# (4,51,7,57) (2,1,3,4)", "^0004^0051^0007^0057^0000^0000^0000^0000^2^1^1^3"},
        // Blanks inside the brackets split the rectangle over several words.
        {"TRACKBAR", "SLIDERCHANNEL", "# (4, 51, 7, 57) (2, 1)", "# (4, 51, 7, 57) (2, 1)"},
        // No border width: 0 (the 5.40 step then clears the fill flag outside buttons).
        {"EDIT", "BORDERSMASK", "#(1,2,3,4)(2,1)", "^0001^0002^0003^0004^0000^0000^0000^0000^2^1^1^0"},
        {"BUTTON", "GLYPHMASK", "#(10,20,30,40)(3,1)", "@0010@0020@0030@0040@3@1"},
        {"GLOBALINFO", "CHECK", "#(0,0,16,16)", "@0000@0000@0016@0016@1@0"},
        {"FORM", "PATTERN", "#(0,0,64,64)", "~0000~0000~0064~0064~00~0"},
        {"FORM", "HOTPATTERN", "#(1,2,300,4000)(3,1,2)", "~0001~0002~0300~4000~00~0"},
        {"BUTTON", "COLOR", "14344676", "14344676"},
        {"BUTTON", "IMGTOPLEFT", "frame.bmp", "!FRAME.BMP!3!1!2"},
        {"GLOBALINFO", "MASTERBITMAP", "master.bmp", "master.bmp"},
        {"FORM", "PATTERN", "back.bmp", "back.bmp"},
        {"FORM", "BORDERSMASK", "N/A", "N/A"},
        {"BUTTON", "GLOW0", "!GLOW.PNG!1!0!3", "!GLOW.PNG!1!0!3"},
        {"BUTTON", "FONTCOLOR", "#FF0000", "#FF0000"},
        // Numbers that do not fit their fields stay legacy values, which the
        // engine still reads (shifted fixed fields would stop the load).
        {"PANEL", "BORDERSMASK", "#(10000,0,10010,10)(1,0,4)", "#(10000,0,10010,10)(1,0,4)"},
        {"PANEL", "GLYPHMASK", "#(0,0,10,10)(12,0)", "#(0,0,10,10)(12,0)"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.stored);
        skin.Clear();
        skin.WriteString("GLOBALINFO", "VERSION", "4.5");
        skin.WriteString(c.section, c.key, c.stored);
        dialogs.answerYes();
        const Upgraded result = upgrade(4.5);
        EXPECT_EQ(value(c.section, c.key), c.upgraded);
        EXPECT_EQ(result.version, 5.4);
        EXPECT_EQ(result.writes, 2);
    }
}

TEST_F(SkinUpgradeTest, StretchFlagsOfBorderImagesFollowTheSectionAtTheStepOf540)
{
    const ValueCase cases[] = {
        {"BUTTON", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^5^0"},
        {"PANEL", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^5^0",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0"},
        {"BUTTON_BIG", "SLIDERCHANNEL", "^0004^0051^0007^0057^0002^0000^0000^0000^1^0^0^1",
         "^0004^0051^0007^0057^0002^0000^0000^0000^1^0^4^1"},
        // Border width 1 without band widths: the fill flag stays as it is.
        {"PANEL", "BORDERSMASK", "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^5^1",
         "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^5^1"},
        {"PANEL", "BORDERSMASK", "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4",
         "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4"},
        {"MENUITEM", "BORDERSMASK", "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4",
         "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^3^4"},
        {"MENUITEM", "BORDERSMASK", "^0004^0051^0007^0057^0001^0001^0001^0001^1^0^5^1",
         "^0004^0051^0007^0057^0001^0001^0001^0001^1^0^3^1"},
        // Outside the 48-character layout: left as it is.
        {"BUTTON", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1"},
        {"BUTTON", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^x^0",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^x^0"},
        {"BUTTON", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0^9",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0^9"},
        // A flag digit that would need two digits with the fill flag.
        {"BUTTON", "BORDERSMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^9^0",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^9^0"},
        {"BUTTON", "GLYPHMASK", "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0",
         "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.stored);
        skin.Clear();
        skin.WriteString(c.section, c.key, c.stored);
        const Upgraded result = upgrade(5.0);
        EXPECT_EQ(value(c.section, c.key), c.upgraded);
        EXPECT_EQ(value("GLOBALINFO", "VERSION"), "5.40");
        EXPECT_EQ(result.version, 5.4);
        EXPECT_EQ(result.writes, 1);
    }
    EXPECT_EQ(dialogs.asked(Kind::Confirm).size(), 0u);
    EXPECT_EQ(dialogs.asked(Kind::Warning).size(), std::size(cases));
}

namespace {

const char* const versionZeroSkin = "[GLOBALINFO]\r\n"
                                    "MASTERBITMAP=master.bmp\r\n"
                                    "BICONMIN=#(5,5,6,6)(3,0)\r\n"
                                    "[BASEFORM]\r\n"
                                    "GRIPIMAGE=#(1,1,2,2)(1,0)\r\n"
                                    "[FORM]\r\n"
                                    "PARENTCLASS=BASEFORM\r\n"
                                    "BICONCLOSE=#(0,0,10,10)(3,0)\r\n"
                                    "BICONMIN=\r\n"
                                    "[EDIT]\r\n"
                                    "BORDERSMASK=#(4,51,7,57)(1,0,4)\r\n"
                                    "[BUTTON]\r\n"
                                    "BORDERSMASK=^0004^0051^0007^0057^0002^0002^0002^0002^1^0^1^0\r\n";

} // namespace

TEST_F(SkinUpgradeTest, AVersionZeroSkinGoesThroughAllThreeStepsWhenTheUserAgrees)
{
    skin.SetText(versionZeroSkin);
    ASSERT_EQ(ReadSkinVersion(skin), 0);
    dialogs.answerYes();
    const Upgraded result = upgrade(ReadSkinVersion(skin));

    EXPECT_EQ(questions(), (std::vector<std::pair<Kind, QString>>{
                               {Kind::Warning, updated433}, {Kind::Confirm, question466},
                               {Kind::Warning, updated466}, {Kind::Warning, updated540}}));
    EXPECT_EQ(result.version, 5.4);
    EXPECT_EQ(result.writes, 2);
    EXPECT_EQ(value("GLOBALINFO", "VERSION"), "5.40");
    // Glyphs of FORM (inherited ones too) are copied before they are converted;
    // an empty one leaves GLOBALINFO's own.
    EXPECT_EQ(value("GLOBALINFO", "GRIPIMAGE"), "@0001@0001@0002@0002@1@0");
    EXPECT_EQ(value("GLOBALINFO", "BICONCLOSE"), "@0000@0000@0010@0010@3@0");
    EXPECT_EQ(value("FORM", "BICONCLOSE"), "@0000@0000@0010@0010@3@0");
    EXPECT_EQ(value("GLOBALINFO", "BICONMIN"), "@0005@0005@0006@0006@3@0");
    EXPECT_EQ(value("GLOBALINFO", "MASTERBITMAP"), "master.bmp");
    // The main menu takes the edit's border.
    EXPECT_EQ(value("EDIT", "BORDERSMASK"), "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4");
    EXPECT_EQ(value("MAINMENU", "BORDERSMASK"), "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4");
    EXPECT_EQ(value("BUTTON", "BORDERSMASK"), "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^5^0");
}

TEST_F(SkinUpgradeTest, DecliningTheQuestionKeepsLegacyValuesButStillStampsTheSkin)
{
    skin.SetText(versionZeroSkin);
    dialogs.answerNo();
    const Upgraded result = upgrade(0);

    EXPECT_EQ(questions(), (std::vector<std::pair<Kind, QString>>{
                               {Kind::Warning, updated433}, {Kind::Confirm, question466}, {Kind::Warning, updated540}}));
    EXPECT_EQ(result.version, 5.4);
    EXPECT_EQ(result.writes, 1);
    EXPECT_EQ(value("GLOBALINFO", "VERSION"), "5.40");
    EXPECT_EQ(value("GLOBALINFO", "BICONCLOSE"), "#(0,0,10,10)(3,0)");
    EXPECT_EQ(value("EDIT", "BORDERSMASK"), "#(4,51,7,57)(1,0,4)");
    EXPECT_EQ(value("MAINMENU", "BORDERSMASK"), "(missing)");
    EXPECT_EQ(value("BUTTON", "BORDERSMASK"), "^0004^0051^0007^0057^0002^0002^0002^0002^1^0^5^0");

    // Stamped, the skin is never upgraded again.
    dialogs.answerYes();
    EXPECT_EQ(upgrade(ReadSkinVersion(skin)).writes, 0);
    EXPECT_EQ(dialogs.asked().size(), 3u);
    EXPECT_EQ(value("EDIT", "BORDERSMASK"), "#(4,51,7,57)(1,0,4)");
}

TEST_F(SkinUpgradeTest, EachStepRunsBelowItsOwnVersionOnly)
{
    const struct
    {
        const char* version;
        std::vector<std::pair<Kind, QString>> asked;
    } cases[] = {
        {"4.32", {{Kind::Warning, updated433}, {Kind::Confirm, question466}, {Kind::Warning, updated540}}},
        {"4.33", {{Kind::Confirm, question466}, {Kind::Warning, updated540}}},
        {"4,65", {{Kind::Confirm, question466}, {Kind::Warning, updated540}}},
        {"4.66", {{Kind::Warning, updated540}}},
        {"5.39", {{Kind::Warning, updated540}}},
        {"5.4", {}},
        {"5.40", {}},
        {"6.22", {}},
        {"not a number", {{Kind::Warning, updated433}, {Kind::Confirm, question466}, {Kind::Warning, updated540}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        ScriptedDialogs answers;
        skin.Clear();
        skin.WriteString("GLOBALINFO", "VERSION", c.version);
        const std::string before = skin.Text();
        upgrade(ReadSkinVersion(skin));
        std::vector<std::pair<Kind, QString>> asked;
        for (const ScriptedDialogs::Question& question : answers.asked())
            asked.emplace_back(question.kind, question.text);
        EXPECT_EQ(asked, c.asked);
        if (c.asked.empty())
            EXPECT_EQ(skin.Text(), before);
    }
}

TEST_F(SkinUpgradeTest, TheVersionReadsACommaAsAPointAndAnythingElseAsZero)
{
    const std::pair<const char*, double> cases[] = {{"5.40", 5.4}, {"4,66", 4.66}, {"", 0}, {"v5", 0}, {"6", 6}};
    for (const auto& [text, version] : cases) {
        skin.Clear();
        skin.WriteString("GLOBALINFO", "VERSION", text);
        EXPECT_EQ(ReadSkinVersion(skin), version) << text;
    }
    skin.Clear();
    EXPECT_EQ(ReadSkinVersion(skin), 0);
}

namespace {

class SkinUpgradeOnOpenTest : public MainFormTest
{
};

} // namespace

TEST_F(SkinUpgradeOnOpenTest, OpeningAnOldSkinUpgradesAndRewritesItsOptionsFile)
{
    addSkin(QStringLiteral("Old"), versionZeroSkin);
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n");
    const auto form = start();
    dialogs.answerYes();
    chooseSkin(*form, QStringLiteral("Old"));

    EXPECT_EQ(dialogs.asked().size(), 4u);
    EXPECT_EQ(form->SkinVersion, 5.4);
    TMemIniFile written(program.file(QStringLiteral("Skins/Old/Options.dat")).toStdString());
    EXPECT_EQ(written.ReadString("GLOBALINFO", "VERSION", ""), "5.40");
    EXPECT_EQ(written.ReadString("EDIT", "BORDERSMASK", ""), "^0004^0051^0007^0057^0000^0000^0000^0000^1^0^1^4");

    // Reopened, the stamped skin asks nothing.
    chooseSkin(*form, QStringLiteral("Old"));
    EXPECT_EQ(dialogs.asked().size(), 4u);
}

TEST_F(SkinUpgradeOnOpenTest, NoUpgradeRunsWhileANewSkinIsMade)
{
    addSkin(QStringLiteral("Old"), versionZeroSkin);
    writeSettings("[Options]\r\nSkinsPath=" + skinsPath().toLocal8Bit() + "\r\n");
    const auto form = start();
    form->NewSkinMaking = true;
    chooseSkin(*form, QStringLiteral("Old"));
    form->NewSkinMaking = false;

    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_EQ(form->SkinFile->ReadString("EDIT", "BORDERSMASK", ""), "#(4,51,7,57)(1,0,4)");
    EXPECT_EQ(program.read(QStringLiteral("Skins/Old/Options.dat")), QByteArray(versionZeroSkin));
}
