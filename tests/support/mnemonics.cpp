#include "mnemonics.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QTabBar>

QStringList sharedMnemonics(const QWidget &window)
{
    QMap<QKeySequence, QStringList> owners;
    const auto add = [&owners](const QString &text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            owners[key] << text;
    };
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            add(button->text());
        else if (const auto *label = qobject_cast<const QLabel *>(w); label && label->buddy())
            add(label->text());
        else if (const auto *tabs = qobject_cast<const QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
    }
    QStringList shared;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            shared << QStringLiteral("\"%1\" all answer %2").arg(it.value().join(QStringLiteral("\", \"")),
                                                                 it.key().toString());
    }
    return shared;
}
