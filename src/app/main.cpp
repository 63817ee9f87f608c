#include "app/application.h"
#include "app/commandline.h"

int main(int argc, char** argv)
{
    // Searches and reports answer on the command line, without a window or a display.
    if (CommandLine::handles(argc, argv))
        return CommandLine::run(argc, argv);
    Application application(argc, argv);
    return application.run();
}
