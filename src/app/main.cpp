#include "app/application.h"
#include "services/search/searchcommand.h"

int main(int argc, char** argv)
{
    // The search answers on the command line, without a window or a display.
    if (isSearchCommand(argc, argv))
        return runSearchCommand(argc, argv);
    Application application(argc, argv);
    return application.run();
}
