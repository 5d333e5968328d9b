// Loading and saving a skin's options file: our INI document beside QSettings
// (INI format) on the same generated 1,000-line file, in the same run.

#include "skinfiles/TMemIniFile.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>
#include <utime.h>
#include <vector>

namespace {

constexpr int kSections = 50;
constexpr int kKeysPerSection = 18; // with the header and the blank line: 20 lines a section

struct Key
{
    std::string section;
    std::string key;
};

const std::vector<Key>& Keys()
{
    static const std::vector<Key> keys = [] {
        std::vector<Key> all;
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                all.push_back({"SECTION" + std::to_string(s), "KEY" + std::to_string(k)});
        return all;
    }();
    return keys;
}

std::string OptionsText()
{
    std::string text;
    std::string section;
    for (const Key& key : Keys()) {
        if (key.section != section) {
            if (!section.empty())
                text += "\r\n";
            section = key.section;
            text += "[" + section + "]\r\n";
        }
        text += key.key + "=^0004^0051^0007^0057^0000^0001^0002^0001^1^0^4^1\r\n";
    }
    return text + "\r\n";
}

class OptionsFile
{
public:
    OptionsFile()
    {
        TMemIniFile ini;
        ini.SetText(OptionsText());
        ini.SaveToFile(Path());
    }
    std::string Path() const { return dir_.filePath("Options.dat").toStdString(); }
    QString QPath() const { return dir_.filePath("Options.dat"); }
    // QSettings keeps parsed files while their time stamp is unchanged; a new
    // time stamp makes both readers parse the file again.
    void Touch()
    {
        ++stamp_;
        const utimbuf times{stamp_, stamp_};
        utime(Path().c_str(), &times);
    }

private:
    QTemporaryDir dir_;
    time_t stamp_ = 1000000000;
};

QString QKey(const Key& key) { return QString::fromLatin1(key.section + "/" + key.key); }

void BM_TMemIniFile_LoadAndReadAll(benchmark::State& state)
{
    OptionsFile file;
    for (auto _ : state) {
        file.Touch();
        TMemIniFile ini(file.Path());
        for (const Key& key : Keys())
            benchmark::DoNotOptimize(ini.ReadString(key.section, key.key, ""));
    }
}
BENCHMARK(BM_TMemIniFile_LoadAndReadAll);

void BM_QSettings_LoadAndReadAll(benchmark::State& state)
{
    OptionsFile file;
    std::vector<QString> keys;
    for (const Key& key : Keys())
        keys.push_back(QKey(key));
    for (auto _ : state) {
        file.Touch();
        QSettings ini(file.QPath(), QSettings::IniFormat);
        for (const QString& key : keys)
            benchmark::DoNotOptimize(ini.value(key).toString().toLatin1());
    }
}
BENCHMARK(BM_QSettings_LoadAndReadAll);

void BM_TMemIniFile_ChangeAndSave(benchmark::State& state)
{
    OptionsFile file;
    TMemIniFile ini(file.Path());
    int counter = 0;
    for (auto _ : state) {
        ini.WriteInteger("SECTION25", "KEY9", ++counter);
        ini.UpdateFile();
    }
}
BENCHMARK(BM_TMemIniFile_ChangeAndSave);

void BM_QSettings_ChangeAndSave(benchmark::State& state)
{
    OptionsFile file;
    QSettings ini(file.QPath(), QSettings::IniFormat);
    int counter = 0;
    for (auto _ : state) {
        ini.setValue("SECTION25/KEY9", ++counter);
        ini.sync();
    }
}
BENCHMARK(BM_QSettings_ChangeAndSave);

} // namespace

BENCHMARK_MAIN();
