#pragma once

// tumblo-tool's commands: each takes its arguments after the command word and
// returns the exit status (0 fine, 1 failed, 2 bad input).
using CommandFunction = int (*)(int argc, char** argv);

struct CommandRegistration {
    CommandRegistration(const char* name, const char* usage, CommandFunction function);
};

#define REGISTER_COMMAND(name, usage, function)                                                    \
    static CommandRegistration command_##function(name, usage, function)
