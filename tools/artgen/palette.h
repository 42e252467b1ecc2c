// The colours of the deck: warm traditional inks on a cream card.
#pragma once

namespace artgen::ink {

inline constexpr const char* kCream = "#fbf3de";
inline constexpr const char* kBorder = "#4a3220";
inline constexpr const char* kLine = "#2a1b10";  // outlines of every drawing
inline constexpr const char* kRed = "#c8302a";
inline constexpr const char* kDarkRed = "#8c1e1a";
inline constexpr const char* kGold = "#eab534";
inline constexpr const char* kPaleGold = "#f7dc83";
inline constexpr const char* kOchre = "#c98a1e";
inline constexpr const char* kBlue = "#2f5fa8";
inline constexpr const char* kPaleBlue = "#8fb3dd";
inline constexpr const char* kDarkBlue = "#1f3d70";
inline constexpr const char* kGreen = "#3f8a3a";
inline constexpr const char* kDarkGreen = "#25602a";
inline constexpr const char* kSkin = "#f5d0aa";
inline constexpr const char* kCheek = "#e79a80";
inline constexpr const char* kWood = "#b9793a";
inline constexpr const char* kPaleWood = "#dba866";
inline constexpr const char* kDarkWood = "#74451c";
inline constexpr const char* kSteel = "#cfdbe6";
inline constexpr const char* kWhite = "#fffcf2";
inline constexpr const char* kHair = "#6b3f1d";
inline constexpr const char* kGrey = "#9a9a94";
inline constexpr const char* kTable = "#007000";

}  // namespace artgen::ink
