#include "forms/helptext.h"

// Each line is printed as it stands, leading ideographic (U+3000) and
// ordinary blanks and trailing spaces included; std::nullopt is an empty line.
const std::array<std::optional<QStringView>, HelpLineCount> &helpText()
{
    static constexpr std::array<std::optional<QStringView>, HelpLineCount> lines{
        std::nullopt,
        u"\u3000\u3010Problem\u3011",
        u"\u3000\u3000\u3000          Have you ever heard the ward \u300CEven those who shoot bad guns will hit it ",
        u"\u3000\u3000\u3000      if they shoot a lot\u300D ?",
        u"\u3000\u3000\u3000          Supposse that a person who has the skill to hit once when shooting a gun ",
        u"\u3000\u3000\u3000      10 times shoots a gun.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000To find the probability of hitting at least once by shooting a gun several times ,",
        u"\u3000\u3000\u3000\u3000\u3000\u3000mathematically subtract the probability of all deriation from 1.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Please experience the ward\u300CEven those who shoot bad guns will hit it if they",
        u"\u3000\u3000\u3000\u3000\u3000\u3000shoot a lo",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Also , compare the theoretical probability obtained mathematically with the ",
        u"\u3000\u3000\u3000\u3000\u3000\u3000probability of the experimental result for the probability of hitting at least once.",
        std::nullopt,
        u"\u3000\u3010Concept of experiment\u3011",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000  The person who hits it once when he shoots a gun 10 times shoots the gun.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000For example , consider the case of firing 20 guns per experiment.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000If you hit at least once out of 20 times , it will be \u300Csuccess\u300D, otherwise",
        u"\u3000\u3000\u3000\u3000\u3000\u3000it will be \u300Cfailure\u300D.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Experiment several times and find the probability of hitting at least once ",
        u"\u3000\u3000\u3000\u3000\u3000\u3000(number of successes / number of experiments)",
        std::nullopt,
        u"\u3000\u3010Operation method\u3011",
        u"\u3000\u3000\u3000\u3000\u3000\u25A0Compare the theoretical numbers with the numbers from the experimental results.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000In the gun firing count setting window , enter the number of shots of the gun",
        u"\u3000\u3000\u3000\u3000    in one experiment as an integer and click the [OK] button.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000If you wznt to experiment manually , click the [Firing] button.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000If you want to experiment automatically , clic the [AutoStart] button.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000Click the [AutoStop] button to stop the automatic firing of the gun.",
        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000You can restart the experiment from the beginning by clicking the [Init] button.",
    };
    return lines;
}
