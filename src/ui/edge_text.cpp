#include "ui/edge_text.h"

#include "text/code_page.h"

namespace tunelark {

QString FromProgramText(std::string_view gbk) { return QString::fromUtf8(GbkToUtf8(gbk)); }

QString FromPageText(std::string_view bytes) { return QString::fromUtf8(DisplayUtf8(bytes)); }

std::string ToProgramText(const QString& typed) {
  const QByteArray utf8 = typed.toUtf8();
  const auto end = utf8.indexOf('\0');
  return Utf8ToGbk(std::string_view(utf8.constData(), end < 0 ? utf8.size() : end));
}

}  // namespace tunelark
