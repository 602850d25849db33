#include "cli/CommandLine.h"

#include <algorithm>

namespace {

const OptionRow* findRow(const ProgramDescription& program, const std::string& name)
{
    for (const OptionRow& row : program.rows)
        if (name == row.name)
            return &row;
    return nullptr;
}

CommandLineResult mistake(const ProgramDescription& program, const std::string& what)
{
    CommandLineResult result;
    result.outcome = CommandLineOutcome::Mistake;
    result.text = std::string(program.name) + ": " + what + "; see '" + program.name + " --help'\n";
    return result;
}

bool isOption(const std::string& argument)
{
    return argument.size() > 1 && argument[0] == '-';
}

// Walks the arguments once; `result` collects the options until a mistake or --help ends the walk.
class Reader {
public:
    Reader(const ProgramDescription& program, int argc, const char* const* argv)
        : program_(program), argc_(argc), argv_(argv)
    {
    }

    CommandLineResult read()
    {
        bool optionsEnded = false;
        for (index_ = 1; index_ < argc_ && result_.outcome == CommandLineOutcome::Run; ++index_) {
            const std::string argument = argv_[index_];
            if (!optionsEnded && argument == "--")
                optionsEnded = true;
            else if (!optionsEnded && isOption(argument))
                readOption(argument);
            else
                readFolder(argument);
        }
        return result_;
    }

private:
    void readFolder(const std::string& argument)
    {
        if (!result_.options.folder.empty() || argument.empty())
            result_ = mistake(program_, argument.empty() ? "an empty folder name" : "one folder only, not also '" + argument + "'");
        else
            result_.options.folder = argument;
    }

    void readOption(const std::string& argument)
    {
        const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
        const std::string name = argument.substr(0, equals);
        if (name == "--help" || name == "--version")
            return answer(name, equals);
        const OptionRow* row = findRow(program_, name);
        if (!row)
            return setMistake("unknown option '" + name + "'");
        if (!row->value)
            return equals == std::string::npos ? store(*row, "") : setMistake("'" + name + "' takes no value");
        if (equals != std::string::npos)
            return store(*row, argument.substr(equals + 1));
        if (index_ + 1 >= argc_)
            return setMistake("'" + name + "' needs a value (" + row->value + ")");
        store(*row, argv_[++index_]);
    }

    void answer(const std::string& name, std::size_t equals)
    {
        if (equals != std::string::npos)
            return setMistake("'" + name + "' takes no value");
        result_.outcome = name == "--help" ? CommandLineOutcome::Help : CommandLineOutcome::Version;
        result_.text = name == "--help" ? helpText(program_) : std::string(program_.name) + " " + HALVANE_VERSION + "\n";
    }

    void store(const OptionRow& row, const std::string& value)
    {
        const std::string refusal = row.store(result_.options, value);
        if (!refusal.empty())
            setMistake("'" + value + "' for " + row.name + " " + refusal);
    }

    void setMistake(const std::string& what) { result_ = mistake(program_, what); }

    const ProgramDescription& program_;
    int argc_;
    const char* const* argv_;
    int index_ = 1;
    CommandLineResult result_;
};

}  // namespace

CommandLineResult parseCommandLine(const ProgramDescription& program, int argc, const char* const* argv)
{
    return Reader(program, argc, argv).read();
}

std::string helpText(const ProgramDescription& program)
{
    std::string text = std::string("usage: ") + program.name + " " + program.synopsis + "\n" + program.summary + "\n\n";
    text += "options:\n";
    for (const OptionRow& row : program.rows) {
        if (!row.help)
            continue;
        std::string left = std::string("  ") + row.name + (row.value ? std::string(" ") + row.value : "");
        left.resize(std::max<std::size_t>(left.size() + 2, 24), ' ');
        text += left + row.help + "\n";
    }
    text += "  --help                show this text and end\n";
    text += "  --version             show the version and end\n";
    return text + "\n" + program.details;
}
