#include "fakes.h"

#include <QRandomGenerator>

#include <cstdio>

quint32 testSeed()
{
    const quint32 seed = qEnvironmentVariableIsSet("SHOOTALOT_TEST_SEED")
                             ? qgetenv("SHOOTALOT_TEST_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    std::printf("seed %u (SHOOTALOT_TEST_SEED=%u replays it)\n", seed, seed);
    return seed;
}

void ScriptedRandom::pushShot(int distance, float direction)
{
    // Distance = Int(r * 200 + 1): the middle of the interval that gives it.
    push((float(distance) - 0.5f) / 200.0f);
    push(direction);
}

float ScriptedRandom::Rnd()
{
    ++draws;
    if (!values_.empty()) {
        last_ = values_.front();
        values_.pop_front();
    }
    return last_;
}

void ScriptedDialogs::answer(std::initializer_list<QString> texts)
{
    for (const QString &t : texts)
        answers_.push_back(t);
}

QString ScriptedDialogs::InputBox(const QString &prompt, const QString &title,
                                  const QString &defaultText)
{
    prompts.push_back({prompt, title, defaultText});
    note(journal, QStringLiteral("InputBox ") + title);
    if (duringInput)
        duringInput();
    if (answers_.empty())
        return whenExhausted;
    QString text = answers_.front();
    answers_.pop_front();
    return text;
}

int ScriptedDialogs::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    messages.push_back({prompt, buttons, title});
    note(journal, QStringLiteral("MsgBox ") + prompt);
    return 1;
}
