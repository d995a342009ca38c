#include "ui/logic/Align.h"

#include <algorithm>
#include <cstddef>

namespace {

// True when A is to be docked before B (A lies strictly nearer the edge).
bool InsertBefore(const TBounds& A, const TBounds& B, TAlign Align) {
  switch (Align) {
    case TAlign::alTop: return A.Top < B.Top;
    case TAlign::alBottom: return A.Bottom() >= B.Bottom();
    case TAlign::alLeft: return A.Left < B.Left;
    case TAlign::alRight: return A.Right() >= B.Right();
    default: return false;
  }
}

struct TRemaining {
  std::int32_t Left, Top, Right, Bottom;
};

void DockOne(TBounds& B, TAlign Align, TRemaining& R) {
  const std::int32_t width = std::max(0, R.Right - R.Left);
  const std::int32_t height = std::max(0, R.Bottom - R.Top);
  switch (Align) {
    case TAlign::alTop:
      B = {R.Left, R.Top, width, B.Height};
      R.Top += B.Height;
      break;
    case TAlign::alBottom:
      B = {R.Left, R.Bottom - B.Height, width, B.Height};
      R.Bottom -= B.Height;
      break;
    case TAlign::alLeft:
      B = {R.Left, R.Top, B.Width, height};
      R.Left += B.Width;
      break;
    case TAlign::alRight:
      B = {R.Right - B.Width, R.Top, B.Width, height};
      R.Right -= B.Width;
      break;
    case TAlign::alClient:
      B = {R.Left, R.Top, width, height};
      break;
    case TAlign::alNone:
      break;
  }
}

}  // namespace

void AlignControls(std::int32_t ClientWidth, std::int32_t ClientHeight, std::vector<TAlignItem>& Items,
                   int Changed) {
  for (TAlignItem& item : Items) {
    item.Bounds.Width = std::max(0, item.Bounds.Width);
    item.Bounds.Height = std::max(0, item.Bounds.Height);
  }
  TRemaining rest{0, 0, std::max(0, ClientWidth), std::max(0, ClientHeight)};
  const bool hasChanged = Changed >= 0 && static_cast<std::size_t>(Changed) < Items.size();
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    std::vector<std::size_t> order;
    if (hasChanged && Items[Changed].Align == align && Items[Changed].Visible)
      order.push_back(static_cast<std::size_t>(Changed));
    for (std::size_t i = 0; i < Items.size(); ++i) {
      if (Items[i].Align != align || !Items[i].Visible) continue;
      if (hasChanged && i == static_cast<std::size_t>(Changed)) continue;
      std::size_t j = 0;
      while (j < order.size() && !InsertBefore(Items[i].Bounds, Items[order[j]].Bounds, align)) ++j;
      order.insert(order.begin() + static_cast<std::ptrdiff_t>(j), i);
    }
    for (std::size_t i : order) DockOne(Items[i].Bounds, align, rest);
  }
}
