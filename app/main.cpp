// The program's entry point.
#include "app/programa_qt.h"

int main(int argc, char** argv) {
    return quorvel::programa_executar(argc, argv, {});
}
