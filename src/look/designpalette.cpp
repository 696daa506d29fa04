#include "look/designpalette.h"

namespace design {

QPalette lightPalette()
{
    // The light colours the program has always shown on a desktop without a
    // theme of its own (Qt's Fusion colours), written out: Fusion itself
    // follows a dark desktop theme. Every colour is set one by one, so each
    // counts as chosen and none is left to the theme or the style.
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        p.setColor(group, QPalette::WindowText, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::Button, face);
        p.setColor(group, QPalette::Light, face.lighter(150));
        p.setColor(group, QPalette::Midlight, mid.lighter(110));
        p.setColor(group, QPalette::Dark, disabled ? QColor(209, 209, 209).darker(110) : dark);
        p.setColor(group, QPalette::Mid, mid);
        p.setColor(group, QPalette::Text, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::ButtonText, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::Base, disabled ? face : QColor(Qt::white));
        p.setColor(group, QPalette::Window, face);
        p.setColor(group, QPalette::Shadow, disabled ? shadow.lighter(150) : shadow);
        p.setColor(group, QPalette::Highlight, disabled ? QColor(145, 145, 145) : QColor(48, 140, 198));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Link, Qt::blue);
        p.setColor(group, QPalette::LinkVisited, Qt::magenta);
        p.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        p.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    return p;
}

} // namespace design
