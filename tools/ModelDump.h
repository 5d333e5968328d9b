#pragma once

#include <string>
#include <utility>
#include <vector>

class TsSkinModel;

// A printable tree of the in-memory skin model, keyed by the model's field
// names in the model's order.
struct TDumpNode
{
    enum class Kind { Null, Integer, Real, Boolean, Text, List, Record };

    Kind kind = Kind::Null;
    long long integer = 0;
    double real = 0;
    bool boolean = false;
    std::string text;
    std::vector<TDumpNode> items;
    std::vector<std::pair<std::string, TDumpNode>> fields;
};

TDumpNode ModelNode(const TsSkinModel& model);

// JSON text of the tree: records as objects in field order, 8-bit text as
// the Latin-1 characters it stands for.
std::string DumpJson(const TDumpNode& node);
// The same tree as indented "name: value" lines.
std::string DumpText(const TDumpNode& node);
