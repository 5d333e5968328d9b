#include "data/skingen/TSkinBuilder.h"

#include "data/skingen/TMasterAtlas.h"
#include "data/skingen/TSkinPictures.h"
#include "graphics/sGraphUtils.h"
#include "skinfiles/sGradientData.h"
#include "skinfiles/sImageValues.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int MasterWidth = 512;

// Border picture flags.
constexpr int FillCenter = 4;
constexpr int ActiveOnly = 2;

// Texture fill type "tiled".
constexpr int Tiled = 0;

// Gradient directions of the first step.
constexpr int Vertical = 0;
constexpr int Horizontal = 1;

constexpr const char* Global = "GLOBALINFO";

// For pictures without a shape around them: no pixel is keyed out.
const TShape NothingKeyed = [](float, float) { return -1.0f; };

class TSkinBuilder
{
public:
    explicit TSkinBuilder(const TSkinStyle& style) : s_(style), atlas_(MasterWidth) {}

    TGeneratedSkin Build();

private:
    // Writing values.
    void text(const char* section, const char* key, const std::string& value) { skin_.Options.WriteString(section, key, value); }
    void number(const char* section, const char* key, int value) { skin_.Options.WriteInteger(section, key, value); }
    void color(const char* section, const char* key, TColor value) { number(section, key, int(value)); }
    void flag(const char* section, const char* key, bool value) { skin_.Options.WriteBool(section, key, value); }

    void colors(const char* section, TColor normal, TColor hot, TColor font, TColor hotFont);
    void transparent(const char* section);
    void gradient(const char* section, const char* prefix, TColor first, TColor last, int mode);
    void fading(const char* section);
    void parent(const char* section, const char* parentSection) { text(section, "PARENTCLASS", parentSection); }
    void noBorder(const char* section) { text(section, "BORDERSMASK", "N/A"); }

    // Placing pictures; each returns the image value naming it.
    std::string border(const TCoverCanvas& canvas, int frames, const TsImageValue& bands, int stretch, const TShape& keyed);
    std::string box(const TBoxLayout& layout, const std::vector<TFrameLook>& looks, int stretch);
    std::string lines(TLineSides sides, const std::vector<TColor>& colors);
    std::string divider(bool vertical);
    std::string glyph(const TCoverCanvas& canvas, int frames);
    std::string texture(const TCoverCanvas& canvas);
    std::string glow(const std::string& fileName, TColor glowColor, float radius);

    // Looks shared by several sections.
    std::vector<TFrameLook> buttonLooks() const;
    std::vector<TFrameLook> flatLooks(TColor hot, TColor pressed) const;
    std::vector<TFrameLook> outlineLooks(TColor normal, TColor hot) const;
    TBoxLayout controlLayout(float radius, int band) const;

    void globalInfo();
    void globalGlyphs();
    void titleGlyphs();
    void forms();
    void buttons();
    void edits();
    void scrollBars();
    void containers();
    void bars();
    void menus();
    void tabs();
    void ranges();

    const TSkinStyle& s_;
    TMasterAtlas atlas_;
    TGeneratedSkin skin_;
};

void TSkinBuilder::colors(const char* section, TColor normal, TColor hot, TColor font, TColor hotFont)
{
    color(section, "COLOR", normal);
    color(section, "HOTCOLOR", hot);
    color(section, "FONTCOLOR", font);
    color(section, "HOTFONTCOLOR", hotFont);
}

// The element shows its parent; its border picture brings the whole look,
// antialiased corners included.
void TSkinBuilder::transparent(const char* section)
{
    number(section, "TRANSPARENCY", 100);
    number(section, "HOTTRANSPARENCY", 100);
}

void TSkinBuilder::gradient(const char* section, const char* prefix, TColor first, TColor last, int mode)
{
    // One step over the whole length, closed by the editor's final marker step.
    const TsGradArray steps{{first, last, 100, mode, 0}, {last, last, 0, mode, 0}};
    const std::string p = prefix;
    text(section, (p + "GRADIENTDATA").c_str(), FormatGradientData(steps));
    number(section, (p + "GRADIENTPERCENT").c_str(), 100);
}

void TSkinBuilder::fading(const char* section)
{
    flag(section, "FADINGENABLED", true);
    number(section, "FADINGITERATIONS", s_.Number("FadingSteps"));
}

std::string TSkinBuilder::border(const TCoverCanvas& canvas, int frames, const TsImageValue& bands, int stretch,
                                 const TShape& keyed)
{
    const TRect r = atlas_.AddMasked(canvas, canvas.Width() / frames, keyed);
    TsImageValue value = bands;
    value.Left = r.Left;
    value.Top = r.Top;
    value.Right = r.Right;
    value.Bottom = r.Bottom;
    value.ImageCount = frames;
    value.MaskType = 1;
    value.StretchMode = stretch;
    value.BorderWidth = std::max(1, value.BorderWidth);
    return FormatBorderValue(value);
}

std::string TSkinBuilder::box(const TBoxLayout& layout, const std::vector<TFrameLook>& looks, int stretch)
{
    const int b = layout.Band;
    TsImageValue bands;
    bands.WL = bands.WT = bands.WR = bands.WB = b;
    return border(BoxPicture(layout, looks), int(looks.size()), bands, stretch, BoxShape(layout));
}

std::string TSkinBuilder::lines(TLineSides sides, const std::vector<TColor>& colors)
{
    TsImageValue bands;
    bands.WL = bands.WT = bands.WR = bands.WB = 1;
    return border(LinePicture(sides, colors), int(colors.size()), bands, FillCenter, NothingKeyed);
}

std::string TSkinBuilder::divider(bool vertical)
{
    const int band = s_.Number("DividerBand");
    TsImageValue bands;
    bands.WL = bands.WR = bands.WT = bands.WB = 1;
    if (vertical) {
        bands.WL = band;
        bands.WR = band - 1;
    } else {
        bands.WT = band;
        bands.WB = band - 1;
    }
    return border(DividerPicture(vertical, band, s_.Color("Divider")), 1, bands, FillCenter, NothingKeyed);
}

std::string TSkinBuilder::glyph(const TCoverCanvas& canvas, int frames)
{
    const TRect r = atlas_.AddMasked(canvas, canvas.Width() / frames);
    TsImageValue value;
    value.Left = r.Left;
    value.Top = r.Top;
    value.Right = r.Right;
    value.Bottom = r.Bottom;
    value.ImageCount = frames;
    value.MaskType = 1;
    return FormatGlyphValue(value);
}

std::string TSkinBuilder::texture(const TCoverCanvas& canvas)
{
    const TRect r = atlas_.AddOpaque(canvas, clBlack);
    TsImageValue value;
    value.Left = r.Left;
    value.Top = r.Top;
    value.Right = r.Right;
    value.Bottom = r.Bottom;
    value.StretchMode = Tiled;
    return FormatTextureValue(value);
}

// Glow layers are 32-bit images with their own alpha, kept for the PNG files.
std::string TSkinBuilder::glow(const std::string& fileName, TColor glowColor, float radius)
{
    const int band = s_.Number("GlowBand");
    const int middle = 4;
    const TCoverCanvas canvas =
        GlowPicture(band, middle, s_.Number("GlowMargin"), radius, glowColor, float(s_.Number("GlowOpacity")) / 100);
    TBitmap image = NewBitmap32(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            std::uint8_t* p = image.ScanLine(y) + x * 4;
            const auto alpha = std::uint8_t(std::lround(std::clamp(canvas.AlphaAt(x, y), 0.0f, 1.0f) * 255));
            const TColor c = alpha ? canvas.ColorAt(x, y) : clBlack;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
            p[3] = alpha;
        }
    skin_.Glows.push_back({fileName, std::move(image)});
    TsFileImageValue value;
    value.FileName = fileName;
    value.ImageCount = 1;
    value.MaskType = 0;
    value.Kind = 3;
    value.HasBands = true;
    value.WL = value.WT = value.WR = value.WB = band;
    return FormatFileValue(value);
}

TBoxLayout TSkinBuilder::controlLayout(float radius, int band) const
{
    TBoxLayout layout;
    layout.Radius = radius;
    layout.Band = band;
    layout.Middle = 4;
    return layout;
}

// Normal, hot, pressed, disabled.
std::vector<TFrameLook> TSkinBuilder::buttonLooks() const
{
    const float sheen = float(s_.Number("ButtonSheen")) / 100, shade = float(s_.Number("ButtonShade")) / 100;
    const float lip = float(s_.Number("ButtonLip")) / 100;
    return {
        {s_.Color("ButtonFace"), 1, s_.Color("ButtonBorder"), 1, sheen, shade, lip},
        {s_.Color("ButtonHot"), 1, s_.Color("ButtonBorderHot"), 1, sheen, shade, lip},
        {s_.Color("ButtonPressed"), 1, s_.Color("ButtonBorderHot"), 1, 0, 0},
        {s_.Color("ButtonDisabled"), 1, s_.Color("BorderSoft"), 1, 0, 0},
    };
}

// Invisible until hot: tool buttons, arrows, drop-down buttons.
std::vector<TFrameLook> TSkinBuilder::flatLooks(TColor hot, TColor pressed) const
{
    return {
        {},
        {hot, 1, hot, 0, 0, 0},
        {pressed, 1, pressed, 0, 0, 0},
        {},
    };
}

// Frames around the section's own background: edits, pages, group boxes.
std::vector<TFrameLook> TSkinBuilder::outlineLooks(TColor normal, TColor hot) const
{
    return {
        {clBlack, 0, normal, 1, 0, 0},
        {clBlack, 0, hot, 1, 0, 0},
        {clBlack, 0, hot, 1, 0, 0},
        {clBlack, 0, s_.Color("BorderSoft"), 1, 0, 0},
    };
}

void TSkinBuilder::globalInfo()
{
    text(Global, "MASTERBITMAP", MasterFileName);
    text(Global, "VERSION", "6.03");
    text(Global, "AUTHOR", s_.Text("Author"));
    text(Global, "DESCRIPTION", s_.Text("Description"));
    number(Global, "SUID", 42);
    colors(Global, s_.Color("Window"), s_.Color("Content"), s_.Color("Text"), s_.Color("Text"));
    color(Global, "BORDERCOLOR", s_.Color("Border"));
    color(Global, "SHADOW1COLOR", clBlack);
    number(Global, "SHADOW1OFFSET", 0);
    number(Global, "SHADOW1BLUR", -1);
    number(Global, "SHADOW1TRANSPARENCY", 0);
    number(Global, "BISPACE", 0);
    number(Global, "BIVALIGN", 0);
    number(Global, "BILEFT", 4);
    number(Global, "BIRIGHT", 0);
}

void TSkinBuilder::globalGlyphs()
{
    const TColor face = s_.Color("Content"), edge = s_.Color("Border"), accent = s_.Color("Accent");
    const TColor accentHot = s_.Color("AccentHot"), accentPressed = s_.Color("AccentPressed");
    const TColor soft = s_.Color("AccentSoft"), mark = s_.Color("AccentText");
    const std::vector<TGlyphColors> off{{face, edge, face}, {face, accent, face}, {soft, accent, soft}};
    const std::vector<TGlyphColors> on{{accent, accent, mark}, {accentHot, accentHot, mark}, {accentPressed, accentPressed, mark}};
    const float radius = float(s_.Number("CheckRadius"));
    for (const auto& [size, prefix] : {std::pair{s_.Number("CheckSize"), "BOX"}, std::pair{s_.Number("SmallCheckSize"), "SMALL"}}) {
        const std::string p = prefix;
        text(Global, (p + "UNCHECKED").c_str(), glyph(CheckBoxGlyph(size, radius, off, TCheckMark::None), 3));
        text(Global, (p + "CHECKED").c_str(), glyph(CheckBoxGlyph(size, radius, on, TCheckMark::Tick), 3));
        text(Global, (p + "GRAYED").c_str(), glyph(CheckBoxGlyph(size, radius, on, TCheckMark::Dash), 3));
    }
    const int size = s_.Number("CheckSize");
    text(Global, "RADIOUNCHECKED", glyph(RadioGlyph(size, off, TCheckMark::None), 3));
    text(Global, "RADIOCHECKED", glyph(RadioGlyph(size, on, TCheckMark::Dot), 3));
    text(Global, "RADIOGRAYED", glyph(RadioGlyph(size, on, TCheckMark::Dash), 3));
    const TColor ink = s_.Color("Text"), menuHotText = s_.Color("MenuHotText");
    text(Global, "CHECK", glyph(TickGlyph(size, {ink, menuHotText, menuHotText}), 3));
    text(Global, "GRIPIMAGE", glyph(GripGlyph(12, s_.Color("TextMuted")), 1));
}

void TSkinBuilder::titleGlyphs()
{
    const TColor symbol = s_.Color("TitleText"), plate = s_.Color("TitlePlate");
    const TColor close = s_.Color("Close"), closePressed = s_.Color("ClosePressed"), closeText = s_.Color("CloseText");
    const float hot = float(s_.Number("TitlePlateHot")) / 100, pressed = float(s_.Number("TitlePlatePressed")) / 100;
    const std::vector<TTitleLook> plain{{plate, 0, symbol}, {plate, hot, symbol}, {plate, pressed, symbol}};
    const std::vector<TTitleLook> closing{{close, 0, symbol}, {close, 1, closeText}, {closePressed, 1, closeText}};
    const float radius = float(s_.Number("TitleButtonRadius"));
    struct TSet
    {
        const char* Prefix;
        int Width;
        int Height;
    };
    for (const TSet& set : {TSet{"BICON", s_.Number("TitleButtonWidth"), s_.Number("TitleButtonHeight")},
                            TSet{"SICON", s_.Number("SmallTitleButtonWidth"), s_.Number("SmallTitleButtonHeight")}}) {
        const std::string p = set.Prefix;
        auto put = [&](const char* name, TTitleSymbol symbolKind, const std::vector<TTitleLook>& looks) {
            text(Global, (p + name).c_str(), glyph(TitleGlyph(set.Width, set.Height, radius, symbolKind, looks), 3));
        };
        put("CLOSE", TTitleSymbol::Close, closing);
        put("MAX", TTitleSymbol::Maximize, plain);
        put("NORM", TTitleSymbol::Restore, plain);
        put("MIN", TTitleSymbol::Minimize, plain);
        put("HELP", TTitleSymbol::Help, plain);
    }
    text(Global, "TITLEBUTTON",
         glyph(TitleGlyph(s_.Number("TitleButtonWidth"), s_.Number("TitleButtonHeight"), radius, TTitleSymbol::None, plain), 3));

    const int margin = s_.Number("GlowMargin");
    const std::string closeGlow = glow("CLOSEGLOW.PNG", close, radius);
    const std::string buttonGlow = glow("TITLEGLOW.PNG", s_.Color("Glow"), radius);
    for (const auto& [key, value] : {std::pair{"BICONCLOSEGLOW", closeGlow}, std::pair{"BICONMAXGLOW", buttonGlow},
                                     std::pair{"BICONMINGLOW", buttonGlow}}) {
        const std::string k = key;
        number(Global, k.c_str(), 1);
        text(Global, (k + "0").c_str(), value);
        number(Global, (k + "MARGIN").c_str(), margin);
    }
}

void TSkinBuilder::forms()
{
    const TColor window = s_.Color("Window");
    const TColor frame = s_.Color("FrameInactive"), frameActive = s_.Color("FrameActive");
    TBoxLayout layout = controlLayout(float(s_.Number("WindowRadius")), s_.Number("WindowRadius") + 1);
    layout.BottomRadius = float(s_.Number("WindowBottomRadius"));
    const std::vector<TFrameLook> frames{{clBlack, 0, frame, 1, 0, 0}, {clBlack, 0, frameActive, 1, 0, 0}};

    colors("FORM", window, window, s_.Color("Text"), s_.Color("Text"));
    const std::string grain = texture(GrainTexture(64, window, s_.Number("Grain")));
    text("FORM", "PATTERN", grain);
    text("FORM", "HOTPATTERN", grain);
    number("FORM", "IMAGEPERCENT", 100);
    number("FORM", "HOTIMAGEPERCENT", 100);
    text("FORM", "BORDERSMASK", box(layout, frames, 0));

    colors("FORMTITLE", s_.Color("TitleInactive2"), s_.Color("TitleActive2"), s_.Color("TitleTextInactive"),
           s_.Color("TitleText"));
    gradient("FORMTITLE", "", s_.Color("TitleInactive1"), s_.Color("TitleInactive2"), Vertical);
    gradient("FORMTITLE", "HOT", s_.Color("TitleActive1"), s_.Color("TitleActive2"), Vertical);
    TBoxLayout title = layout;
    title.OpenBottom = true;
    text("FORMTITLE", "BORDERSMASK", box(title, frames, 0));

    colors("MDIAREA", s_.Color("Bar"), s_.Color("Bar"), s_.Color("Text"), s_.Color("Text"));
    noBorder("MDIAREA");

    parent("DIALOG", "FORM");
    colors("DIALOG", window, window, s_.Color("Text"), s_.Color("Text"));

    colors("HINT", s_.Color("Hint1"), s_.Color("Hint1"), s_.Color("HintText"), s_.Color("HintText"));
    gradient("HINT", "", s_.Color("Hint1"), s_.Color("Hint2"), Vertical);
    gradient("HINT", "HOT", s_.Color("Hint1"), s_.Color("Hint2"), Vertical);
    text("HINT", "BORDERSMASK", box(controlLayout(4, 5), outlineLooks(s_.Color("HintBorder"), s_.Color("HintBorder")), 0));
}

void TSkinBuilder::buttons()
{
    const TColor ink = s_.Color("Text");
    const float radius = float(s_.Number("ControlRadius"));
    const std::string buttonGlow = glow("BUTTONGLOW.PNG", s_.Color("Glow"), radius);
    const int glowMargin = s_.Number("GlowMargin");
    struct TButton
    {
        const char* Section;
        float Radius;
        int Band;
    };
    std::string standard;
    for (const TButton& b : {TButton{"BUTTON", radius, int(radius) + 3}, TButton{"BUTTON_BIG", radius + 1, int(radius) + 5},
                             TButton{"BUTTON_HUGE", radius + 3, int(radius) + 8}}) {
        transparent(b.Section);
        colors(b.Section, s_.Color("ButtonFace"), s_.Color("ButtonHot"), ink, ink);
        const std::string value = box(controlLayout(b.Radius, b.Band), buttonLooks(), FillCenter);
        if (standard.empty())
            standard = value;
        text(b.Section, "BORDERSMASK", value);
        flag(b.Section, "SHOWFOCUS", true);
        fading(b.Section);
        number(b.Section, "GLOW", 1);
        text(b.Section, "GLOW0", buttonGlow);
        number(b.Section, "GLOWMARGIN", glowMargin);
    }

    transparent("SPEEDBUTTON");
    colors("SPEEDBUTTON", s_.Color("ButtonFace"), s_.Color("ButtonHot"), ink, ink);
    text("SPEEDBUTTON", "BORDERSMASK", standard);
    fading("SPEEDBUTTON");

    const TColor hover = s_.Color("Hover"), press = s_.Color("Press");
    const float small = float(s_.Number("SmallRadius"));
    for (const char* section : {"SPEEDBUTTON_SMALL", "TOOLBUTTON"}) {
        transparent(section);
        colors(section, s_.Color("Window"), hover, ink, ink);
        fading(section);
    }
    TBoxLayout smallLayout = controlLayout(small, int(small) + 2);
    std::vector<TFrameLook> smallLooks = flatLooks(hover, press);
    smallLooks[2].Outline = s_.Color("ButtonBorderHot");
    smallLooks[2].OutlineAlpha = 1;
    text("SPEEDBUTTON_SMALL", "BORDERSMASK", box(smallLayout, smallLooks, FillCenter));
    text("TOOLBUTTON", "BORDERSMASK", box(controlLayout(radius, int(radius) + 3), flatLooks(hover, press), FillCenter));

    transparent("ROUNDTBN");
    colors("ROUNDTBN", s_.Color("Window"), hover, ink, ink);
    TBoxLayout round = controlLayout(10, 11);
    round.Middle = 2;
    std::vector<TFrameLook> roundLooks = flatLooks(hover, press);
    roundLooks[0] = {s_.Color("ButtonFace"), 1, s_.Color("ButtonBorder"), 1, 0, 0};
    roundLooks[3] = {s_.Color("ButtonDisabled"), 1, s_.Color("BorderSoft"), 1, 0, 0};
    text("ROUNDTBN", "BORDERSMASK", box(round, roundLooks, FillCenter));
    fading("ROUNDTBN");

    transparent("WEBBUTTON");
    colors("WEBBUTTON", s_.Color("Window"), s_.Color("Window"), s_.Color("Accent"), s_.Color("AccentHot"));
    noBorder("WEBBUTTON");

    for (const char* section : {"CHECKBOX", "RADIOBUTTON"}) {
        transparent(section);
        colors(section, s_.Color("Window"), s_.Color("Window"), ink, ink);
        noBorder(section);
        flag(section, "SHOWFOCUS", true);
    }
}

void TSkinBuilder::edits()
{
    const TColor content = s_.Color("Content"), ink = s_.Color("Text");
    // The widget paints its text area in COLOR itself; the picture brings the
    // same colour with the rounded frame, so the corners blend into the parent.
    transparent("EDIT");
    colors("EDIT", content, content, ink, ink);
    std::vector<TFrameLook> looks = outlineLooks(s_.Color("Border"), s_.Color("Accent"));
    for (TFrameLook& look : looks) {
        look.Fill = content;
        look.FillAlpha = 1;
    }
    text("EDIT", "BORDERSMASK",
         box(controlLayout(float(s_.Number("SmallRadius")), s_.Number("SmallRadius") + 1), looks, FillCenter));
    parent("ORVAEDIT", "EDIT");

    parent("COMBOBOX", "EDIT");
    const int arrow = s_.Number("ArrowSize");
    const std::vector<TColor> arrowColors{s_.Color("TextMuted"), ink, ink};
    text("COMBOBOX", "GLYPHMASK", glyph(ChevronGlyph(arrow, TArrow::Down, arrowColors), 3));
    parent("ORVACOMBOBOX", "COMBOBOX");

    transparent("COMBOBTN");
    colors("COMBOBTN", content, s_.Color("Hover"), ink, ink);
    TBoxLayout button = controlLayout(float(s_.Number("SmallRadius")), s_.Number("SmallRadius") + 3);
    button.Inset = 2;
    text("COMBOBTN", "BORDERSMASK", box(button, flatLooks(s_.Color("Hover"), s_.Color("Press")), FillCenter));
    fading("COMBOBTN");
}

void TSkinBuilder::scrollBars()
{
    const TColor track = s_.Color("ScrollTrack"), ink = s_.Color("Text");
    for (const char* section : {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"}) {
        colors(section, track, track, ink, ink);
        noBorder(section);
    }
    const int arrow = s_.Number("ScrollArrowSize");
    TBoxLayout button = controlLayout(float(s_.Number("SmallRadius")), s_.Number("SmallRadius") + 2);
    button.Inset = 1;
    const std::string buttonValue =
        box(button, flatLooks(s_.Color("ScrollHover"), s_.Color("ScrollPress")), FillCenter);
    const std::vector<TColor> arrowColors{s_.Color("TextMuted"), ink, ink};
    for (const auto& [section, direction] : {std::pair{"SCROLLBTNTOP", TArrow::Up}, std::pair{"SCROLLBTNBOTTOM", TArrow::Down},
                                             std::pair{"SCROLLBTNLEFT", TArrow::Left}, std::pair{"SCROLLBTNRIGHT", TArrow::Right}}) {
        transparent(section);
        colors(section, track, s_.Color("ScrollHover"), ink, ink);
        text(section, "BORDERSMASK", buttonValue);
        text(section, "GLYPHMASK", glyph(ChevronGlyph(arrow, direction, arrowColors), 3));
    }
    TBoxLayout thumb = controlLayout(float(s_.Number("ScrollThumbRadius")), s_.Number("ScrollThumbRadius") + 3);
    thumb.Inset = float(s_.Number("ScrollThumbInset"));
    const TColor face = s_.Color("ScrollThumb");
    const std::vector<TFrameLook> looks{{face, 1, face, 0, 0, 0},
                                        {s_.Color("ScrollThumbHot"), 1, face, 0, 0, 0},
                                        {s_.Color("ScrollThumbPressed"), 1, face, 0, 0, 0},
                                        {face, 0.5f, face, 0, 0, 0}};
    const std::string thumbValue = box(thumb, looks, FillCenter);
    for (const char* section : {"SCROLLSLIDERH", "SCROLLSLIDERV"}) {
        transparent(section);
        colors(section, face, s_.Color("ScrollThumbHot"), ink, ink);
        text(section, "BORDERSMASK", thumbValue);
    }
}

void TSkinBuilder::containers()
{
    const TColor window = s_.Color("Window"), content = s_.Color("Content"), ink = s_.Color("Text");
    transparent("PANEL");
    colors("PANEL", window, window, ink, ink);
    noBorder("PANEL");
    flag("PANEL", "GIVEOWNFONT", true);

    colors("PANEL_LOW", content, content, ink, ink);
    text("PANEL_LOW", "BORDERSMASK",
         box(controlLayout(float(s_.Number("SmallRadius")), s_.Number("SmallRadius") + 1),
             outlineLooks(s_.Color("Border"), s_.Color("Border")), 0));

    transparent("GROUPBOX");
    colors("GROUPBOX", window, window, ink, ink);
    const float radius = float(s_.Number("ControlRadius"));
    text("GROUPBOX", "BORDERSMASK",
         box(controlLayout(radius, int(radius) + 2), outlineLooks(s_.Color("BorderSoft"), s_.Color("Border")), 0));

    colors("PAGECONTROL", content, content, ink, ink);
    text("PAGECONTROL", "BORDERSMASK",
         box(controlLayout(radius, int(radius) + 2), outlineLooks(s_.Color("Border"), s_.Color("Border")), 0));
    for (const char* section : {"PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT"})
        parent(section, "PAGECONTROL");
    parent("TABCONTROL", "PAGECONTROL");
    parent("TABCONTROLBOTTOM", "PAGECONTROLBOTTOM");
    parent("TABCONTROLLEFT", "PAGECONTROLLEFT");
    parent("TABCONTROLRIGHT", "PAGECONTROLRIGHT");

    colors("SPLITTER", window, s_.Color("Hover"), ink, ink);
    noBorder("SPLITTER");
    colors("GRIPH", window, window, ink, ink);
    const std::string dots = texture(DotTexture(4, window, s_.Color("Grip")));
    text("GRIPH", "PATTERN", dots);
    text("GRIPH", "HOTPATTERN", dots);
    number("GRIPH", "IMAGEPERCENT", 100);
    number("GRIPH", "HOTIMAGEPERCENT", 100);
    noBorder("GRIPH");
}

void TSkinBuilder::bars()
{
    const TColor ink = s_.Color("Text"), surface = s_.Color("Surface"), bar = s_.Color("Bar");
    const TColor line = s_.Color("BorderSoft");

    colors("TOOLBAR", surface, surface, ink, ink);
    gradient("TOOLBAR", "", surface, bar, Vertical);
    gradient("TOOLBAR", "HOT", surface, bar, Vertical);
    text("TOOLBAR", "BORDERSMASK", lines({false, false, false, true}, {line}));

    colors("STATUSBAR", bar, bar, s_.Color("TextMuted"), ink);
    gradient("STATUSBAR", "", bar, surface, Vertical);
    text("STATUSBAR", "BORDERSMASK", lines({false, true, false, false}, {line}));
    text("STATUSBAR", "STATUSPANELMASK", lines({false, false, true, false}, {line}));

    colors("BAR", surface, surface, ink, ink);
    gradient("BAR", "", surface, bar, Horizontal);
    text("BAR", "BORDERSMASK", lines({false, false, true, false}, {line}));

    colors("BARTITLE", s_.Color("BarTitle1"), s_.Color("BarTitle2"), s_.Color("BarTitleText"), s_.Color("BarTitleText"));
    gradient("BARTITLE", "", s_.Color("BarTitle1"), s_.Color("BarTitle2"), Vertical);
    gradient("BARTITLE", "HOT", s_.Color("BarTitle1"), s_.Color("BarTitle2"), Vertical);
    noBorder("BARTITLE");

    transparent("BARPANEL");
    colors("BARPANEL", surface, surface, ink, ink);
    noBorder("BARPANEL");

    colors("DRAGBAR", s_.Color("TitleActive2"), s_.Color("TitleActive2"), s_.Color("TitleText"), s_.Color("TitleText"));
    gradient("DRAGBAR", "", s_.Color("TitleActive1"), s_.Color("TitleActive2"), Vertical);
    gradient("DRAGBAR", "HOT", s_.Color("TitleActive1"), s_.Color("TitleActive2"), Vertical);
    noBorder("DRAGBAR");

    colors("COLHEADER", s_.Color("Content"), s_.Color("ButtonHot"), ink, ink);
    gradient("COLHEADER", "", s_.Color("Content"), surface, Vertical);
    gradient("COLHEADER", "HOT", s_.Color("ButtonHot"), s_.Color("Hover"), Vertical);
    text("COLHEADER", "BORDERSMASK", lines({false, false, true, true}, {line, s_.Color("Border"), s_.Color("Border")}));
    fading("COLHEADER");

    colors("DIVIDER", surface, surface, ink, ink);
    transparent("DIVIDER");
    text("DIVIDER", "BORDERSMASK", divider(true));
}

void TSkinBuilder::menus()
{
    const TColor content = s_.Color("Content"), ink = s_.Color("Text");
    colors("MAINMENU", content, content, ink, ink);
    TsImageValue bands;
    // Popup menus take their frame width from the picture's border width.
    bands.WL = bands.WT = bands.WR = bands.WB = 3;
    bands.BorderWidth = 3;
    TBoxLayout menu = controlLayout(3, 3);
    text("MAINMENU", "BORDERSMASK",
         border(BoxPicture(menu, {{clBlack, 0, s_.Color("Border"), 1, 0, 0}}), 1, bands, 0, BoxShape(menu)));

    transparent("MENUITEM");
    colors("MENUITEM", content, s_.Color("MenuHot"), ink, s_.Color("MenuHotText"));
    TBoxLayout item = controlLayout(float(s_.Number("SmallRadius")), s_.Number("SmallRadius") + 2);
    item.Inset = 1;
    const TFrameLook hot{s_.Color("MenuHot"), 1, s_.Color("MenuHot"), 0, 0, 0};
    text("MENUITEM", "BORDERSMASK", box(item, {hot, hot, hot}, FillCenter | ActiveOnly));

    colors("MENULINE", s_.Color("Surface"), s_.Color("Surface"), ink, s_.Color("MenuHotText"));
    noBorder("MENULINE");

    colors("ICOLINE", s_.Color("MenuIcon"), s_.Color("MenuIcon"), ink, ink);
    noBorder("ICOLINE");

    colors("EXTRALINE", s_.Color("Accent"), s_.Color("Accent"), s_.Color("AccentText"), s_.Color("AccentText"));
    gradient("EXTRALINE", "", s_.Color("AccentHot"), s_.Color("AccentPressed"), Vertical);
    noBorder("EXTRALINE");

    transparent("DIVIDERV");
    colors("DIVIDERV", content, content, ink, ink);
    text("DIVIDERV", "BORDERSMASK", divider(false));
}

void TSkinBuilder::tabs()
{
    const TColor ink = s_.Color("Text"), content = s_.Color("Content");
    const float radius = float(s_.Number("ControlRadius"));
    const std::vector<TFrameLook> looks{{s_.Color("TabFace"), 1, s_.Color("BorderSoft"), 1, 0, 0},
                                        {s_.Color("Hover"), 1, s_.Color("Border"), 1, 0, 0},
                                        {content, 1, s_.Color("Border"), 1, 0, 0},
                                        {s_.Color("TabFace"), 0.6f, s_.Color("BorderSoft"), 1, 0, 0}};
    struct TTab
    {
        const char* Section;
        bool Left, Top, Right, Bottom;
    };
    for (const TTab& t : {TTab{"TABTOP", false, false, false, true}, TTab{"TABBOTTOM", false, true, false, false},
                          TTab{"TABLEFT", false, false, true, false}, TTab{"TABRIGHT", true, false, false, false}}) {
        TBoxLayout layout = controlLayout(radius, int(radius) + 2);
        layout.OpenLeft = t.Left;
        layout.OpenTop = t.Top;
        layout.OpenRight = t.Right;
        layout.OpenBottom = t.Bottom;
        transparent(t.Section);
        colors(t.Section, s_.Color("TabFace"), s_.Color("Hover"), s_.Color("TextMuted"), ink);
        text(t.Section, "BORDERSMASK", box(layout, looks, FillCenter));
        fading(t.Section);
    }
}

void TSkinBuilder::ranges()
{
    const TColor ink = s_.Color("Text"), track = s_.Color("RangeTrack");
    transparent("TRACKBAR");
    colors("TRACKBAR", s_.Color("Window"), s_.Color("Window"), ink, ink);
    noBorder("TRACKBAR");
    TBoxLayout channel = controlLayout(2, 2);
    channel.Middle = 2;
    text("TRACKBAR", "SLIDERCHANNEL",
         box(channel, {{track, 1, track, 0, 0, 0}, {s_.Color("RangeTrackHot"), 1, track, 0, 0, 0}}, FillCenter));
    const int thumbSize = s_.Number("ThumbSize");
    const TColor face = s_.Color("Content"), accent = s_.Color("Accent");
    const std::vector<TGlyphColors> thumb{{face, accent, accent}, {s_.Color("AccentSoft"), s_.Color("AccentHot"), s_.Color("AccentHot")},
                                          {accent, s_.Color("AccentPressed"), face}};
    const std::string thumbValue = glyph(ThumbGlyph(thumbSize, thumb), 3);
    text("TRACKBAR", "SLIDERMASK", thumbValue);
    text("TRACKBAR", "SLIDERVMASK", thumbValue);
    text("TRACKBAR", "TICKHORZ", glyph(TickMark(1, 4, s_.Color("TextMuted")), 1));
    text("TRACKBAR", "TICKVERT", glyph(TickMark(4, 1, s_.Color("TextMuted")), 1));

    const float radius = float(s_.Number("SmallRadius"));
    colors("GAUGE", track, track, ink, ink);
    text("GAUGE", "BORDERSMASK",
         box(controlLayout(radius, int(radius) + 1), outlineLooks(s_.Color("BorderSoft"), s_.Color("BorderSoft")), 0));

    const TColor p1 = s_.Color("Progress1"), p2 = s_.Color("Progress2");
    const std::string progressFrame =
        box(controlLayout(radius, int(radius) + 1), outlineLooks(s_.Color("ProgressEdge"), s_.Color("ProgressEdge")), 0);
    for (const auto& [section, mode] : {std::pair{"PROGRESSH", Vertical}, std::pair{"PROGRESSV", Horizontal}}) {
        colors(section, p2, p2, s_.Color("AccentText"), s_.Color("AccentText"));
        gradient(section, "", p1, p2, mode);
        gradient(section, "HOT", p1, p2, mode);
        text(section, "BORDERSMASK", progressFrame);
    }
}

TGeneratedSkin TSkinBuilder::Build()
{
    globalInfo();
    globalGlyphs();
    titleGlyphs();
    forms();
    buttons();
    edits();
    scrollBars();
    containers();
    bars();
    menus();
    tabs();
    ranges();
    skin_.Master = atlas_.Result();
    return std::move(skin_);
}

} // namespace

TGeneratedSkin BuildSkin(const TSkinStyle& style)
{
    return TSkinBuilder(style).Build();
}
