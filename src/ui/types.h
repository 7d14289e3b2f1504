#pragma once
// Small value types shared by the widget model.

#include <cstdint>
#include <string>

namespace ui {

// 0xRRGGBB.
using Colour = uint32_t;
constexpr Colour clBlack = 0x000000;
constexpr Colour clWhite = 0xFFFFFF;
constexpr Colour clRed = 0xFF0000;
constexpr Colour clGreen = 0x008000;
constexpr Colour clBlue = 0x0000FF;
constexpr Colour clGray = 0x808080;
constexpr Colour clSilver = 0xC0C0C0;
constexpr Colour clTeal = 0x008080;
constexpr Colour clNavy = 0x000080;
constexpr Colour clMaroon = 0x800000;
constexpr Colour clYellow = 0xFFFF00;
constexpr Colour clBtnFace = 0xF0F0F0;
constexpr Colour clWindow = 0xFFFFFF;
constexpr Colour clInfoBk = 0xFFFFE1;  // the pale yellow of hints and notices

struct Font {
  std::string name = "Tahoma";
  int size = 8;
  Colour colour = clBlack;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

enum class Cursor { Default, HourGlass, Hand, Drag };

// Key codes of the keys handlers look at (the classic virtual-key numbers).
namespace key {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int F1 = 112;
}  // namespace key

struct Shift {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What changed in a control, for a renderer that mirrors it.
enum class Property {
  Caption,
  Text,
  Items,
  ItemIndex,
  Checked,
  Enabled,
  Visible,
  Font,
  Colour,
  Bounds,
  Position,
  ActivePage,
  Picture,
  Panels,
  Progress,
  ReadOnly,
  Hint,
  Cursor,
  Shape,
  Focus,
  Alignment,
};

enum class Alignment { Left, Center, Right };

}  // namespace ui
