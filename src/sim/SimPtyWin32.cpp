#include "sim/SimPty.h"

// Windows has no pseudo-terminals: the simulated radio is offered there as
// the port "sim" in the process that talks to it.
SimPtyServer::SimPtyServer(SimRadio& radio, bool lineRate) : m_radio(radio), m_lineRate(lineRate) {}

SimPtyServer::~SimPtyServer() = default;

bool SimPtyServer::open()
{
    m_error = "Windows has no pseudo-terminals; use --port sim with detect, read, write and write-tune "
              "for the simulated radio inside qav";
    return false;
}

void SimPtyServer::start() {}

void SimPtyServer::stop() {}

void SimPtyServer::serve() {}
