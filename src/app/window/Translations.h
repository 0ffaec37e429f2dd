#pragma once

class QCoreApplication;

namespace tarvo::app {

// Qt's own Simplified-Chinese texts, so standard buttons and dialogs read
// "确定", "取消" and so on like the rest of the window. False when the
// translation files are not installed; the window then works in English.
bool installChineseTranslations(QCoreApplication& application);

}  // namespace tarvo::app
