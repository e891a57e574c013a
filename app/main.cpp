// Pellumo: litigation fees, delayed-performance interest, liquidated damages
// and deadline dates for court staff and lawyers.

#include "app/window/program.h"

int main(int argc, char *argv[])
{
    return pellumo::RunProgram(argc, argv);
}
