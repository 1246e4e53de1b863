#pragma once

class Dialogs;
class Shell;
class Registry;

// The platform services in force. main() installs the real ones; tests install
// stand-ins (ScriptedDialogs, an in-memory registry) for the length of a test.
class Services {
public:
    static Dialogs& dialogs();
    static void setDialogs(Dialogs* dialogs);

    static Shell& shell();
    static void setShell(Shell* shell);

    static Registry& registry();
    static void setRegistry(Registry* registry);
};
