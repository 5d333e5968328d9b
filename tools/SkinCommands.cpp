#include "tools/SkinCommands.h"

#include "engine/sSkinLoader.h"
#include "tools/ModelDump.h"
#include "tools/SkinPath.h"

#include <cstdio>
#include <set>

namespace {

int runDump(const std::vector<std::string>& args);
int runCheck(const std::vector<std::string>& args);

const TToolCommand dumpCommand{"dump", "SKIN [--json]",
                               "print the in-memory model of SKIN (a skin folder or a .vpk file)", runDump};
const TToolCommand checkCommand{"check", "SKIN",
                                "list what must be fixed in SKIN, one line each (exit 1 when anything is found)",
                                runCheck};

int runDump(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    if (args.empty() || args.size() > 2 || (args.size() == 2 && !json))
        return WrongUsage(dumpCommand);
    TsSkinModel model;
    try {
        if (std::string error = LoadSkinPath(model, args[0], {}); !error.empty())
            return FailWith(error);
    } catch (const ESkinConvertError& e) {
        return FailWith(e.what());
    }
    model.FillStdIndexes();
    const TDumpNode node = ModelNode(model);
    std::fputs((json ? DumpJson(node) : DumpText(node)).c_str(), stdout);
    return exitSuccess;
}

// Images cut from the master bitmap must lie inside it.
void CheckRectangles(const TsSkinModel& model, std::vector<std::string>& findings)
{
    const int width = model.MasterBitmap ? model.MasterBitmap->Width() : 0;
    const int height = model.MasterBitmap ? model.MasterBitmap->Height() : 0;
    for (const TsMaskData& m : model.MaskArray) {
        if (m.Bmp)
            continue;
        const TRect& r = m.R;
        if (r.Left < 0 || r.Top < 0 || r.Right > width || r.Bottom > height || r.Width() <= 0 || r.Height() <= 0)
            findings.push_back("[" + m.SectionName + "] " + m.PropertyName + ": rectangle (" + std::to_string(r.Left) +
                               ", " + std::to_string(r.Top) + ", " + std::to_string(r.Right) + ", " +
                               std::to_string(r.Bottom) + ") lies outside the master bitmap (" +
                               std::to_string(width) + " x " + std::to_string(height) + ")");
    }
}

// A PARENTCLASS chain that comes back to a section it passed through.
void CheckParentLoops(const TsSkinModel& model, std::vector<std::string>& findings)
{
    std::set<std::set<std::string>> reported;
    for (const TsGeneralData& start : model.SectionArray) {
        std::vector<std::string> chain{start.SectionName};
        for (int i = model.SectionIndexOf(start.ParentClass); i >= 0;) {
            const std::string& name = model.SectionArray[std::size_t(i)].SectionName;
            if (name == chain.back())
                break; // a section naming itself has no parent
            const auto seen = std::find(chain.begin(), chain.end(), name);
            if (seen != chain.end()) {
                std::set<std::string> loop(seen, chain.end());
                if (reported.insert(loop).second) {
                    std::string text;
                    for (auto it = seen; it != chain.end(); ++it)
                        text += *it + " -> ";
                    findings.push_back("[" + name + "] PARENTCLASS loop: " + text + name);
                }
                break;
            }
            chain.push_back(name);
            i = model.SectionIndexOf(model.SectionArray[std::size_t(i)].ParentClass);
        }
    }
}

int runCheck(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return WrongUsage(checkCommand);
    TsSkinModel model;
    std::vector<std::string> findings;
    const auto notes = [&](TsLoadNoteKind kind, const std::string& text) {
        if (kind == TsLoadNoteKind::SkippedImage)
            findings.push_back(text);
    };
    try {
        if (std::string error = LoadSkinPath(model, args[0], notes); !error.empty())
            return FailWith(error);
        CheckRectangles(model, findings);
        CheckParentLoops(model, findings);
    } catch (const ESkinConvertError& e) {
        findings.push_back(std::string(e.what()) + " (the load stops here)");
    }
    for (const std::string& line : findings)
        std::printf("%s\n", line.c_str());
    return findings.empty() ? exitSuccess : exitFailure;
}

} // namespace

std::vector<TToolCommand> SkinCommands()
{
    return {dumpCommand, checkCommand};
}
