#pragma once

// Version text of the skin engine, as its skin manager reports it. The editor's
// caption and the caption it expects of the preview window are built from it.
inline constexpr char SkinEngineVersion[] = "6.22";
