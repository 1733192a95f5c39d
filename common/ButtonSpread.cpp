#include "common/ButtonSpread.h"

namespace tavo {

ButtonSpread spreadButtons(int dialogWidth, const std::vector<int>& buttonWidths) {
  ButtonSpread result;
  result.dialogWidth = dialogWidth;
  if (buttonWidths.empty()) return result;
  int sum = 0;
  for (int w : buttonWidths) sum += w;
  const int k = static_cast<int>(buttonWidths.size());
  if (result.dialogWidth < sum + 7 * k) result.dialogWidth = sum + 7 * k;
  const int gap = (result.dialogWidth - sum) / (k + 1);
  int left = gap - 3;
  for (int w : buttonWidths) {
    result.lefts.push_back(left);
    left += w + gap;
  }
  return result;
}

}  // namespace tavo
