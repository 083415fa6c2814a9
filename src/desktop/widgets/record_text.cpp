#include "desktop/widgets/record_text.h"

#include "core/common/cp1250.h"

QString fromRecordText(const std::string& cp1250) { return QString::fromStdString(cp1250::toUtf8(cp1250)); }

std::string toRecordText(const QString& text) { return cp1250::fromUtf8(text.toStdString()); }
