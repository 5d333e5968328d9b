#include "tools/ModelDump.h"

#include "engine/TsSkinModel.h"
#include "skinfiles/sStoreUtils.h"

#include <algorithm>
#include <cstdio>

namespace {

TDumpNode Integer(long long value)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::Integer;
    n.integer = value;
    return n;
}

// Colours as the decimal integers skins store: system colours and -1 negative.
TDumpNode Color(TColor value)
{
    return Integer(std::int32_t(value));
}

TDumpNode Real(double value)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::Real;
    n.real = value;
    return n;
}

TDumpNode Boolean(bool value)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::Boolean;
    n.boolean = value;
    return n;
}

TDumpNode Text(const std::string& value)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::Text;
    n.text = value;
    return n;
}

TDumpNode List(std::vector<TDumpNode> items)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::List;
    n.items = std::move(items);
    return n;
}

TDumpNode Record(std::vector<std::pair<std::string, TDumpNode>> fields)
{
    TDumpNode n;
    n.kind = TDumpNode::Kind::Record;
    n.fields = std::move(fields);
    return n;
}

TDumpNode Rect(const TRect& r)
{
    return List({Integer(r.Left), Integer(r.Top), Integer(r.Right), Integer(r.Bottom)});
}

TDumpNode Bitmap(const TBitmap* bmp)
{
    if (!bmp)
        return {};
    return Record({{"Width", Integer(bmp->Width())},
                   {"Height", Integer(bmp->Height())},
                   {"BitsPerPixel", Integer(bmp->BytesPerPixel() * 8)}});
}

TDumpNode FontColors(const TsFontColors& colors)
{
    std::vector<TDumpNode> items;
    for (int i = 1; i <= 5; ++i)
        items.push_back(Color(colors[i]));
    return List(std::move(items));
}

TDumpNode Gradient(const TsGradArray& steps)
{
    std::vector<TDumpNode> items;
    for (const GradientStep& s : steps)
        items.push_back(Record({{"Color1", Color(s.Color1)},
                                {"Color2", Color(s.Color2)},
                                {"Percent", Integer(s.Percent)},
                                {"Mode", Integer(s.Mode)},
                                {"Reserved", Integer(s.Reserved)}}));
    return List(std::move(items));
}

TDumpNode Section(const TsGeneralData& d)
{
    return Record({{"ParentClass", Text(d.ParentClass)},
                   {"SectionName", Text(d.SectionName)},
                   {"Color", Color(d.Color)},
                   {"FontColor", FontColors(d.FontColor)},
                   {"HotFontColor", FontColors(d.HotFontColor)},
                   {"GiveOwnFont", Boolean(d.GiveOwnFont)},
                   {"GlowCount", Integer(d.GlowCount)},
                   {"GlowMargin", Integer(d.GlowMargin)},
                   {"ReservedBoolean", Boolean(d.ReservedBoolean)},
                   {"Transparency", Integer(d.Transparency)},
                   {"GradientPercent", Integer(d.GradientPercent)},
                   {"GradientData", Text(d.GradientData)},
                   {"GradientArray", Gradient(d.GradientArray)},
                   {"ImagePercent", Integer(d.ImagePercent)},
                   {"ShowFocus", Boolean(d.ShowFocus)},
                   {"FadingEnabled", Boolean(d.FadingEnabled)},
                   {"FadingIterations", Integer(d.FadingIterations)},
                   {"HotColor", Color(d.HotColor)},
                   {"HotTransparency", Integer(d.HotTransparency)},
                   {"HotGradientPercent", Integer(d.HotGradientPercent)},
                   {"HotGradientData", Text(d.HotGradientData)},
                   {"HotGradientArray", Gradient(d.HotGradientArray)},
                   {"HotImagePercent", Integer(d.HotImagePercent)},
                   {"BorderIndex", Integer(d.BorderIndex)},
                   {"ImgTopLeft", Integer(d.ImgTopLeft)},
                   {"ImgTopRight", Integer(d.ImgTopRight)},
                   {"ImgBtmLeft", Integer(d.ImgBtmLeft)},
                   {"ImgBtmRight", Integer(d.ImgBtmRight)}});
}

TDumpNode Mask(const TsMaskData& m)
{
    return Record({{"Bmp", Bitmap(m.Bmp.get())},
                   {"SectionName", Text(m.SectionName)},
                   {"PropertyName", Text(m.PropertyName)},
                   {"R", Rect(m.R)},
                   {"ImageCount", Integer(m.ImageCount)},
                   {"MaskType", Integer(m.MaskType)},
                   {"BorderWidth", Integer(m.BorderWidth)},
                   {"StretchMode", Integer(m.StretchMode)},
                   {"ImgType", Integer(m.ImgType)},
                   {"WL", Integer(m.WL)},
                   {"WT", Integer(m.WT)},
                   {"WR", Integer(m.WR)},
                   {"WB", Integer(m.WB)}});
}

TDumpNode Pattern(const TsPatternData& p)
{
    return Record({{"Img", Bitmap(p.Img.get())},
                   {"SectionName", Text(p.SectionName)},
                   {"PropertyName", Text(p.PropertyName)}});
}

TDumpNode SkinData(const TsSkinData& s)
{
    return Record({{"SkinPath", Text(s.SkinPath)},
                   {"Active", Boolean(s.Active)},
                   {"Version", Real(s.Version)},
                   {"Author", Text(s.Author)},
                   {"Description", Text(s.Description)},
                   {"Shadow1Color", Color(s.Shadow1Color)},
                   {"Shadow1Offset", Integer(s.Shadow1Offset)},
                   {"Shadow1Blur", Integer(s.Shadow1Blur)},
                   {"Shadow1Transparency", Integer(s.Shadow1Transparency)},
                   {"BorderColor", Color(s.BorderColor)},
                   {"TitleIconSpacing", Integer(s.TitleIconSpacing)},
                   {"TitleIconVAlign", Integer(s.TitleIconVAlign)},
                   {"TitleIconRight", Integer(s.TitleIconRight)},
                   {"TitleIconLeft", Integer(s.TitleIconLeft)},
                   {"CloseGlowCount", Integer(s.CloseGlowCount)},
                   {"CloseGlowMargin", Integer(s.CloseGlowMargin)},
                   {"MaxGlowCount", Integer(s.MaxGlowCount)},
                   {"MaxGlowMargin", Integer(s.MaxGlowMargin)},
                   {"MinGlowCount", Integer(s.MinGlowCount)},
                   {"MinGlowMargin", Integer(s.MinGlowMargin)}});
}

TDumpNode StdIndexes(const TsStdIndexes& x)
{
    std::vector<std::pair<std::string, TDumpNode>> fields;
#define VESPIRA_DUMP_FIELD(name) fields.push_back({#name, Integer(x.name)});
    VESPIRA_STD_INDEXES_16(VESPIRA_DUMP_FIELD)
    VESPIRA_STD_INDEXES_32(VESPIRA_DUMP_FIELD)
#undef VESPIRA_DUMP_FIELD
    return Record(std::move(fields));
}

template <typename Array, typename F>
TDumpNode ListOf(const Array& array, F node)
{
    std::vector<TDumpNode> items;
    for (const auto& item : array)
        items.push_back(node(item));
    return List(std::move(items));
}

// 8-bit text is Latin-1: each byte becomes the character of the same number.
void AppendJsonString(std::string& out, const std::string& text)
{
    out += '"';
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    out += '"';
}

std::string Scalar(const TDumpNode& node)
{
    switch (node.kind) {
    case TDumpNode::Kind::Null: return "null";
    case TDumpNode::Kind::Integer: return std::to_string(node.integer);
    case TDumpNode::Kind::Real: return SkinFloatToStr(node.real);
    case TDumpNode::Kind::Boolean: return node.boolean ? "true" : "false";
    default: return "";
    }
}

void AppendJson(std::string& out, const TDumpNode& node, int depth)
{
    const std::string indent(std::size_t(depth + 1) * 2, ' ');
    const std::string closing(std::size_t(depth) * 2, ' ');
    switch (node.kind) {
    case TDumpNode::Kind::Text:
        AppendJsonString(out, node.text);
        return;
    case TDumpNode::Kind::List: {
        const bool flat = std::all_of(node.items.begin(), node.items.end(),
                                      [](const TDumpNode& n) { return n.kind == TDumpNode::Kind::Integer; });
        out += '[';
        for (std::size_t i = 0; i < node.items.size(); ++i) {
            out += i ? (flat ? ", " : ",\n" + indent) : (flat ? "" : "\n" + indent);
            AppendJson(out, node.items[i], depth + 1);
        }
        out += flat || node.items.empty() ? "]" : "\n" + closing + "]";
        return;
    }
    case TDumpNode::Kind::Record:
        out += '{';
        for (std::size_t i = 0; i < node.fields.size(); ++i) {
            out += (i ? ",\n" : "\n") + indent;
            AppendJsonString(out, node.fields[i].first);
            out += ": ";
            AppendJson(out, node.fields[i].second, depth + 1);
        }
        out += node.fields.empty() ? "}" : "\n" + closing + "}";
        return;
    default:
        out += Scalar(node);
    }
}

bool IsFlat(const TDumpNode& node)
{
    return node.kind != TDumpNode::Kind::Record &&
           (node.kind != TDumpNode::Kind::List ||
            std::all_of(node.items.begin(), node.items.end(), [](const TDumpNode& n) {
                return n.kind != TDumpNode::Kind::Record && n.kind != TDumpNode::Kind::List;
            }));
}

std::string FlatText(const TDumpNode& node)
{
    if (node.kind == TDumpNode::Kind::Text)
        return "\"" + node.text + "\"";
    if (node.kind != TDumpNode::Kind::List)
        return Scalar(node);
    std::string out = "[";
    for (std::size_t i = 0; i < node.items.size(); ++i)
        out += (i ? ", " : "") + FlatText(node.items[i]);
    return out + "]";
}

void AppendText(std::string& out, const std::string& name, const TDumpNode& node, int depth)
{
    const std::string indent(std::size_t(depth) * 2, ' ');
    if (IsFlat(node)) {
        out += indent + name + ": " + FlatText(node) + "\n";
        return;
    }
    out += indent + name + (node.kind == TDumpNode::Kind::List ? " (" + std::to_string(node.items.size()) + ")" : "") +
           "\n";
    if (node.kind == TDumpNode::Kind::Record)
        for (const auto& [field, value] : node.fields)
            AppendText(out, field, value, depth + 1);
    else
        for (std::size_t i = 0; i < node.items.size(); ++i)
            AppendText(out, std::string("[").append(std::to_string(i)).append("]"), node.items[i], depth + 1);
}

} // namespace

TDumpNode ModelNode(const TsSkinModel& model)
{
    return Record({{"SkinData", SkinData(model.SkinData)},
                   {"PackedSource", Boolean(model.PackedSource)},
                   {"MasterBitmap", Bitmap(model.MasterBitmap.get())},
                   {"SectionArray", ListOf(model.SectionArray, Section)},
                   {"MaskArray", ListOf(model.MaskArray, Mask)},
                   {"PatternArray", ListOf(model.PatternArray, Pattern)},
                   {"StdIndexes", StdIndexes(model.StdIndexes)}});
}

std::string DumpJson(const TDumpNode& node)
{
    std::string out;
    AppendJson(out, node, 0);
    return out + "\n";
}

std::string DumpText(const TDumpNode& node)
{
    std::string out;
    for (const auto& [field, value] : node.fields)
        AppendText(out, field, value, 0);
    return out;
}
