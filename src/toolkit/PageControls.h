// Buttons and labelled controls as the Simulate page makes them: named, with help.
#pragma once

#include <QPushButton>
#include <QString>

#include <string_view>

namespace hydrolofter {

/// A text of the core's tables (UTF-8, not zero-terminated) as Qt holds it.
inline QString qstr(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

inline QPushButton* button(const char* name, const char* caption, const char* help,
                           QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    b->setToolTip(QString::fromUtf8(help));
    b->setAccessibleDescription(b->toolTip());
    return b;
}

/// A name to find it by and help, for a control that a caption (its buddy) names.
template <class W> W* helped(W* w, const char* name, const char* help) {
    w->setObjectName(QString::fromUtf8(name));
    w->setToolTip(QString::fromUtf8(help));
    w->setAccessibleDescription(w->toolTip());
    return w;
}

/// Help and a spoken name for a control whose caption does not name it.
template <class W> W* described(W* w, const char* name, const char* spoken, const char* help) {
    w->setAccessibleName(QString::fromUtf8(spoken));
    return helped(w, name, help);
}

} // namespace hydrolofter
