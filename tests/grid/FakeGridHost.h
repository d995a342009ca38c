// A window for a grid under test: a client size the test sets, scroll bars
// that take 17 pixels of it when shown, down to a client of 0 pixels as the
// widget's (and send the grid a size message when that changes the client
// size, as a window does), and logs of every invalidation, scroll-bar call,
// flush and caret call. The canvas is a recording canvas unless the test
// points Target at another one (a bitmap's, for pixel checks).
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "grid/TextGrid.h"
#include "platform/canvas/RecordingCanvas.h"

struct TFakeGridHost : TTextGridHost {
  struct TScrollCall {
    std::int32_t Kind, Max, Pos, Mask;
    friend bool operator==(const TScrollCall&, const TScrollCall&) = default;
  };

  // The window's inside; the client area is this less the bars shown, and
  // no less than 0.
  std::int32_t Width = 200;
  std::int32_t Height = 200;
  static constexpr std::int32_t BarExtent = 17;
  bool Bar[2] = {false, false};
  bool Allocated = true;
  bool HasFocus = false;
  // Receives a size message whenever a bar changes the client size.
  TTextGrid* SizeTarget = nullptr;
  int SizeMessages = 0;

  std::vector<tv::TRect> Invalidated;
  int WholeInvalidations = 0;
  std::vector<TScrollCall> ScrollCalls;
  std::vector<std::pair<std::int32_t, bool>> ShowCalls;
  std::vector<tv::TRect> Flushed;
  std::vector<std::string> CaretCalls;
  bool EditorShown = false;
  int EditorHides = 0;
  // The in-place edit field as the grid last showed it.
  struct TEditor {
    tv::TRect Bounds;
    std::string Text;
    tv::TFont Font;
    tv::TColor Color = tv::clWindow;
    THorzAlign Alignment = haLeft;
  } Editor;
  int EditorShows = 0;
  // Mouse capture, cursor and clipboard. The clipboard holds Clipboard when
  // HasClipboardText; a write fails while ClipboardWritable is false.
  int Captures = 0;
  int CaptureReleases = 0;
  bool Captured = false;
  std::int16_t CursorShown = crDefault;
  std::string Clipboard;
  bool HasClipboardText = false;
  bool ClipboardWritable = true;
  int ClipboardWrites = 0;
  int FocusRequests = 0;
  tv::TColor ControlColor = tv::clWindow;
  // Runs inside every scroll-bar update (to look at the grid's state then).
  std::function<void()> OnScrollInfo;

  tv::TRecordingCanvas Recorder;
  tv::TCanvas* Target = &Recorder;

  // Forgets every logged call.
  void ClearLogs() {
    Invalidated.clear();
    WholeInvalidations = 0;
    ScrollCalls.clear();
    ShowCalls.clear();
    Flushed.clear();
    CaretCalls.clear();
    Recorder.Clear();
  }
  bool NothingInvalidated() const { return Invalidated.empty() && WholeInvalidations == 0; }
  // Sets the window's inside and sends the size message.
  void Resize(std::int32_t W, std::int32_t H) {
    Width = W;
    Height = H;
    SendSize();
  }

  bool HandleAllocated() const override { return Allocated; }
  tv::TRect ClientRect() const override { return ClientRectWith(Bar[0], Bar[1]); }
  tv::TRect ClientRectWith(bool Horz, bool Vert) const override {
    return {0, 0, std::max(0, Width - (Vert ? BarExtent : 0)), std::max(0, Height - (Horz ? BarExtent : 0))};
  }
  void InvalidateRect(const tv::TRect& R) override { Invalidated.push_back(R); }
  void Invalidate() override { ++WholeInvalidations; }
  void SetControlColor(tv::TColor C) override { ControlColor = C; }
  tv::TCanvas& Canvas() override { return *Target; }
  void FlushRect(const tv::TRect& R) override { Flushed.push_back(R); }
  void SetScrollInfo(std::int32_t Kind, std::int32_t Max, std::int32_t Pos, std::int32_t Mask) override {
    ScrollCalls.push_back({Kind, Max, Pos, Mask});
    if (OnScrollInfo) OnScrollInfo();
  }
  void ShowScrollBar(std::int32_t Kind, bool Show) override {
    ShowCalls.emplace_back(Kind, Show);
    if (Bar[Kind] == Show) return;
    const tv::TRect before = ClientRect();
    Bar[Kind] = Show;
    if (ClientRect() != before) SendSize();
  }
  bool ScrollBarShown(std::int32_t Kind) const override { return Bar[Kind]; }
  void CreateCaret(std::int32_t W, std::int32_t H) override {
    CaretCalls.push_back("create " + std::to_string(W) + "x" + std::to_string(H));
  }
  void DestroyCaret() override { CaretCalls.push_back("destroy"); }
  void ShowCaret() override { CaretCalls.push_back("show"); }
  void HideCaret() override { CaretCalls.push_back("hide"); }
  void SetCaretPos(std::int32_t X, std::int32_t Y) override {
    CaretCalls.push_back("pos " + std::to_string(X) + "," + std::to_string(Y));
  }
  void SetCapture() override {
    ++Captures;
    Captured = true;
  }
  void ReleaseCapture() override {
    ++CaptureReleases;
    Captured = false;
  }
  void SetCursor(std::int16_t Id) override { CursorShown = Id; }
  bool Focused() const override { return HasFocus; }
  void SetFocus() override {
    ++FocusRequests;
    HasFocus = true;
  }
  bool SetClipboardText(const std::string& Text) override {
    ++ClipboardWrites;
    if (!ClipboardWritable) return false;
    Clipboard = Text;
    HasClipboardText = true;
    return true;
  }
  bool GetClipboardText(std::string& Text) override {
    if (!HasClipboardText) return false;
    Text = Clipboard;
    return true;
  }
  void ShowEditor(const tv::TRect& Bounds, const std::string& Text, const tv::TFont& Font, tv::TColor Color,
                  THorzAlign Alignment) override {
    EditorShown = true;
    ++EditorShows;
    Editor = {Bounds, Text, Font, Color, Alignment};
  }
  void HideEditor() override {
    EditorShown = false;
    ++EditorHides;
  }
  bool EditorVisible() const override { return EditorShown; }
  void FocusEditor() override {}

 private:
  void SendSize() {
    ++SizeMessages;
    if (SizeTarget != nullptr) SizeTarget->WMSize();
  }
};

// Writes a grid's internal state for tests that need a given selection or
// fill drag before the operations that set them exist.
struct TTextGridTestAccess {
  static void SetCurrent(TTextGrid& G, std::int32_t Col, std::int32_t Row) {
    G.CurCol_ = Col;
    G.CurRow_ = Row;
  }
  static void SetSelArea(TTextGrid& G, const tv::TRect& Area) { G.SelArea_ = Area; }
  static void SetFillSource(TTextGrid& G, const tv::TRect& Area) { G.FillSource_ = Area; }
  static void SetHandleCorner(TTextGrid& G, std::uint8_t Corner) { G.HandleCorner_ = Corner; }
  static void SetPaintLocked(TTextGrid& G, bool Locked) { G.PaintLocked_ = Locked; }
  static void SetScrollY(TTextGrid& G, std::int32_t Y) { G.ScrollY_ = Y; }
  static void SetMark(TTextGrid& G, std::int32_t Col, std::int32_t Row) {
    G.MarkCol_ = Col;
    G.MarkRow_ = Row;
  }
  static void SetTypedText(TTextGrid& G, const std::string& Text) { G.TypedText_ = Text; }
  static void SetEditorActive(TTextGrid& G, bool Active) { G.EditorActive_ = Active; }
  static void SetFillHandleRect(TTextGrid& G, const tv::TRect& R) { G.FillHandleRect_ = R; }
  static void SetCursorState(TTextGrid& G, std::int16_t Id) { G.Cursor_ = Id; }
  static void PaintMergedCell(TTextGrid& G, std::int32_t Index) { G.PaintMergedCell(Index); }
};

// A grid in a fake window of W x H pixels, created (bars hidden, laid out).
struct TGridFixture {
  TFakeGridHost Host;
  TTextGrid Grid{Host};
  explicit TGridFixture(std::int32_t W = 200, std::int32_t H = 200) {
    Host.Width = W;
    Host.Height = H;
    Host.SizeTarget = &Grid;
    Grid.CreateWnd();
    Host.ClearLogs();
  }
};

// The main window's body table as its form and its table fill set it up:
// no gutter or footer, read-only, two header lines, columns of 70, 78, 78
// and 83 pixels, 19 rows, "Arial Narrow" fonts.
inline tv::TFont NarrowFont(std::int32_t Height) {
  tv::TFont f;
  f.Name = "Arial Narrow";
  f.Height = Height;
  f.Pitch = tv::TFontPitch::fpFixed;
  f.Color = tv::clBlack;
  return f;
}

inline void SetUpBodyTable(TTextGrid& G) {
  G.SetFont(NarrowFont(-15));
  G.SetHeaderFont(NarrowFont(-15));
  G.SetFooterFont(NarrowFont(-10));
  G.SetGutterFont(NarrowFont(-10));
  G.SetDefColWidth(40);
  G.SetReadOnly(true);
  G.SetGutterKind(gkNone);
  G.SetGutterWidth(0);
  G.SetShowFooter(false);
  G.SetColCount(4);
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetWidth(75);
  G.SetRowCount(19);
  // The table fill.
  const int widths[4] = {70, 78, 78, 83};
  const THorzAlign aligns[4] = {haLeft, haCenter, haCenter, haCenter};
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetWidth(widths[c]);
  for (int c = 0; c < 4; ++c) G.Columns()[c].SetHorzAlign(aligns[c]);
  G.SetHeaderLine(2);
  G.SetColCount(4);
  G.Columns()[0].SetTitle("Body");
  G.Columns()[1].SetTitle("RA (h)|Azi (°)");
  G.Columns()[2].SetTitle("DE (°)|Alt (°)");
  G.Columns()[3].SetTitle("r (AU)|mag / diam");
}
