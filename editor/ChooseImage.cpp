#include "editor/ChooseImage.h"

#include "editor/PictureFiles.h"
#include "editor/Unit1.h"
#include "editor/Unit3.h"
#include "graphics/TBitmap.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "skinfiles/FolderListing.h"
#include "skinfiles/TMemIniFile.h"
#include "skinfiles/sImageValues.h"
#include "skinfiles/sStoreUtils.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>

namespace {

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

QString latin1(const std::string& text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString fileFilter(TovImgType kind)
{
    switch (kind) {
    case itisaTexture: return QStringLiteral("Images (*.bmp, *.jpg)|*.bmp;*.jpg");
    case itisaGlow: return QStringLiteral("PNG Images (*.png)|*.png");
    default: return QStringLiteral("Images (*.bmp)|*.bmp");
    }
}

bool isMasterValue(const QString& value)
{
    return value.startsWith(QLatin1Char('#')) || value.startsWith(QLatin1Char('@'))
           || value.startsWith(QLatin1Char('^')) || value.startsWith(QLatin1Char('~'));
}

// The file of that name in the skin folder, found without regard to case; ""
// when there is none.
QString skinFile(const TMainForm& form, const std::string& name)
{
    if (name.empty())
        return {};
    return FileNameText(FindFileNoCase(FileNameBytes(form.SkinFolder()), name));
}

// The picture of a file, or an error shown and nothing.
bool loadPicture(const QString& fileName, TBitmap& picture)
{
    const QString error = LoadPictureFile(fileName, picture);
    if (!error.isEmpty())
        AppDialogs().Error(error);
    return error.isEmpty();
}

// Lets the user pick an image file; its "!" value, or nothing when cancelled.
std::optional<QString> pickImageFile(const TMainForm& form, TovImgType kind)
{
    FileDialogOptions options;
    options.Filter = fileFilter(kind);
    options.InitialDir = form.SkinFolder();
    options.FileMustExist = true;
    const std::optional<QString> chosen = AppDialogs().OpenFile(options);
    if (!chosen)
        return std::nullopt;
    TsFileImageValue file;
    file.FileName = latin1(QFileInfo(*chosen).fileName());
    file.ImageCount = 1;
    file.Kind = kind;
    return latin1(FormatFileValue(file));
}

// Shows the tool and gives the accepted value, or value when cancelled or
// when the accepted fields cannot be written.
template <typename WriteValue>
QString runTool(TFormSelectImage& tool, const QString& value, WriteValue writeValue)
{
    tool.ShowModal();
    QString result = value;
    if (tool.Accepted) {
        const std::string written = writeValue();
        if (!written.empty())
            result = latin1(written);
    }
    tool.SaveSettings();
    return result;
}

} // namespace

QString ChooseImageValue(TMainForm& form, const QString& value, TovImgType kind, QAbstractButton* resetButton)
{
    QString result = value;
    const bool masterLoaded = form.MasterBitmap && !form.MasterBitmap->Empty();
    bool fromMaster = false;
    if (masterLoaded && !value.isEmpty()) {
        fromMaster = isMasterValue(value)
                     || (value == ImageValueNone
                         && (form.CheckBoxMasterOnly->isChecked()
                             || AppDialogs().Confirm(QStringLiteral("Do you want to select image from MasterBitmap?"))));
    }
    if (fromMaster) {
        result = SelectFromMaster(form, value, kind);
    } else {
        if (value.isEmpty() || value == ImageValueNone) {
            const std::optional<QString> picked = pickImageFile(form, kind);
            if (!picked)
                return value;
            result = *picked;
        }
        if (result.contains(kind == itisaGlow ? QStringLiteral(".PNG") : QStringLiteral(".BMP")))
            result = SelectFromFile(form, result, kind);
        else
            // A JPEG pattern is stored by its bare name.
            result = result.split(QLatin1Char('!'), Qt::SkipEmptyParts).value(0);
    }
    if (result.isEmpty() && value.isEmpty())
        result = ImageValueNone;
    if (resetButton)
        resetButton->setEnabled(result != ImageValueNone);
    return result;
}

QString SelectFromMaster(TMainForm& form, const QString& value, TovImgType kind)
{
    if (kind == itisaGlow)
        return value;
    const std::string masterName =
        form.SkinFile ? ReadInheritedString(*form.SkinFile, "GLOBALINFO", "MASTERBITMAP", "") : std::string();
    const QString masterFile = skinFile(form, masterName);
    if (masterFile.isEmpty()) {
        AppDialogs().Error(QStringLiteral("Master bitmap does not exists!"));
        return value;
    }
    auto master = std::make_unique<TBitmap>();
    if (!loadPicture(masterFile, *master))
        return value;
    form.MasterBitmap = std::move(master);

    TFormSelectImage tool(form.SettingsFileName, &form);
    tool.SetToolImage(*form.MasterBitmap);
    tool.Mode = kind;
    try {
        tool.LoadMasterValue(latin1(value));
    } catch (const EConvertError& error) {
        AppDialogs().Error(QString::fromLatin1(error.what()));
        return value;
    }
    return runTool(tool, value, [&tool] { return tool.MasterValue(); });
}

QString SelectFromFile(TMainForm& form, const QString& value, TovImgType kind)
{
    TsFileImageValue file;
    try {
        file = ParseFileValue(latin1(value));
    } catch (const EConvertError& error) {
        AppDialogs().Error(QString::fromLatin1(error.what()));
        return value;
    }
    const QString fileName = skinFile(form, file.FileName);
    if (fileName.isEmpty()) {
        AppDialogs().Error(QStringLiteral("Can't find file"));
        return value;
    }
    TBitmap picture;
    if (!loadPicture(fileName, picture))
        return value;

    TFormSelectImage tool(form.SettingsFileName, &form);
    tool.SetToolImage(picture);
    tool.Mode = TFormSelectImage::smBorder;
    tool.ShowBorderWidths = kind == itisaBorder || kind == itisaGlow;
    tool.LoadFileValue(file);
    return runTool(tool, value, [&tool, &file, kind] { return tool.FileValue(file.FileName, kind); });
}
