// quorvel-inspect: reads content files the way the program does and prints,
// as JSON, what the program would hold. Wrong usage prints the usage on
// standard error and exits with status 2.
#include "tools/inspect/ordres.h"

#include <iostream>

namespace quorvel::inspect {

std::vector<ordre>& ordres() {
    static std::vector<ordre> totes;
    return totes;
}

} // namespace quorvel::inspect

int main(int argc, char** argv) {
    CLI::App app{"quorvel-inspect: shows what Quorvel reads from its content files",
                 "quorvel-inspect"};
    app.require_subcommand(1);
    int codi_sortida = 0;
    for (const auto& o : quorvel::inspect::ordres()) {
        o.configurar(app, codi_sortida);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << e.what() << "\n\n" << app.help();
        return 2;
    }
    return codi_sortida;
}
