#include "app/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QTreeWidget>
#include <QVariant>

#include <cstring>
#include <functional>
#include <vector>

namespace {
const char* const kContainerProperty = "corvanaContainer";

QString qs(const std::string& s) {
    return QString::fromUtf8(s);
}
std::string ss(const QString& s) {
    return s.toStdString();
}

// Plain containers (group boxes, bare widgets and frames) hold controls the window owns; other widgets'
// children are their own internals (scroll bars, viewports) and nested pages own theirs.
bool holdsOwnedControls(const QObject* o) {
    if (IsContainer(o)) return false;
    if (qobject_cast<const QGroupBox*>(o)) return true;
    const char* cls = o->metaObject()->className();
    return std::strcmp(cls, "QWidget") == 0 || std::strcmp(cls, "QFrame") == 0;
}

// The components owned by a container, in creation order; nested pages are listed but not entered.
void collectOwned(const QObject* parent, std::vector<QObject*>& out) {
    for (QObject* child : parent->children()) {
        if (child->objectName().isEmpty()) continue;
        out.push_back(child);
        if (holdsOwnedControls(child)) collectOwned(child, out);
    }
}

std::string read(CIniReader& reader, const std::string& section, const QObject* o, const QString& current) {
    return reader.ReadString(section, ss(o->objectName()), ss(current));
}

// Whole decimal numbers among the comma- or blank-separated items of a position value (first 16 count).
std::vector<int> positionNumbers(const std::string& value) {
    std::vector<int> numbers;
    std::string item;
    auto flush = [&] {
        if (item.empty()) return;
        size_t i = (item[0] == '-' || item[0] == '+') ? 1 : 0;
        bool ok = i < item.size() && item.size() - i <= 9;
        for (size_t k = i; ok && k < item.size(); ++k)
            ok = item[k] >= '0' && item[k] <= '9';
        if (ok && numbers.size() < 16) numbers.push_back(std::stoi(item));
        item.clear();
    };
    for (char c : value) {
        if (c == ',' || c == ' ' || c == '\t')
            flush();
        else
            item += c;
    }
    flush();
    return numbers;
}
} // namespace

void MarkAsContainer(QWidget* widget) {
    widget->setProperty(kContainerProperty, true);
}

bool IsContainer(const QObject* object) {
    return object && object->property(kContainerProperty).toBool();
}

std::string PadCaption(const std::string& text) {
    if (text.empty()) return text;
    std::string r = text;
    if (r.front() != ' ') r.insert(r.begin(), ' ');
    if (r.back() != ' ') r.push_back(' ');
    return r;
}

void LoadCaptions(QWidget* container, const std::string& section, CIniReader& reader) {
    if (!container) return;
    if (container->isWindow())
        container->setWindowTitle(qs(read(reader, section, container, container->windowTitle())));
    std::vector<QObject*> owned;
    collectOwned(container, owned);
    for (QObject* o : owned) {
        if (auto* label = qobject_cast<QLabel*>(o)) {
            label->setText(qs(read(reader, section, o, label->text())));
        } else if (auto* tree = qobject_cast<QTreeWidget*>(o)) {
            // The sortable list keeps its built-in column captions.
            if (tree->inherits("TSortListView")) continue;
            QTreeWidgetItem* header = tree->headerItem();
            for (int n = 0; header && n < tree->columnCount(); ++n) {
                const std::string key = ss(o->objectName()) + "_Col" + std::to_string(n);
                header->setText(n, qs(reader.ReadString(section, key, ss(header->text(n)))));
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
            button->setText(qs(read(reader, section, o, button->text())));
        } else if (auto* group = qobject_cast<QGroupBox*>(o)) {
            group->setTitle(qs(PadCaption(read(reader, section, o, group->title()))));
        } else if (auto* action = qobject_cast<QAction*>(o)) {
            action->setText(qs(read(reader, section, o, action->text())));
        }
    }
}

void LoadLayout(QWidget* container, const std::string& prefix, CIniReader& reader) {
    if (!container) return;
    const std::string posSection = prefix + "_CtrlPos", visSection = prefix + "_Visible";
    std::vector<QObject*> owned;
    collectOwned(container, owned);
    for (QObject* o : owned) {
        const std::string name = ss(o->objectName());
        if (auto* action = qobject_cast<QAction*>(o)) {
            action->setVisible(reader.ReadBool(visSection, name, action->isVisible()));
            continue;
        }
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) continue;
        if (IsContainer(w)) LoadLayout(w, prefix + "_" + name, reader);
        std::string value = reader.ReadString(posSection, name, "");
        const std::vector<int> n = positionNumbers(value);
        if (!n.empty()) {
            QRect g = w->geometry();
            if (n.size() > 0) g.moveLeft(n[0]);
            if (n.size() > 1) g.moveTop(n[1]);
            if (n.size() > 2) g.setWidth(n[2]);
            if (n.size() > 3) g.setHeight(n[3]);
            w->setGeometry(g);
        }
        // The control's own visibility flag, not whether its window is on screen yet.
        const bool current = !w->isHidden();
        w->setVisible(reader.ReadBool(visSection, name, current));
    }
}

bool SelectComboByTag(QComboBox* combo, int value) {
    if (!combo) return false;
    for (int i = 0; i < combo->count(); ++i) {
        const QVariant tag = combo->itemData(i);
        if (tag.isValid() && tag.toInt() == value) {
            combo->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

int HeaderHeight(QTreeView* listView) {
    if (!listView || !listView->header()) return 0;
    return listView->header()->geometry().height();
}

void SafeSetFocus(QWidget* edit) {
    try {
        if (!edit) return;
        QWidget* window = edit->window();
        if (window && window->isVisible() && edit->isVisible() && edit->isEnabled() &&
            edit->focusPolicy() != Qt::NoFocus)
            edit->setFocus();
    } catch (...) {
    }
}
