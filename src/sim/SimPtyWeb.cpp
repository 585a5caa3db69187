#include "sim/SimPty.h"

// A browser has no pseudo-terminals: the page offers the simulated radio as
// the port "sim" inside the module.
SimPtyServer::SimPtyServer(SimRadio& radio, bool lineRate) : m_radio(radio), m_lineRate(lineRate) {}

SimPtyServer::~SimPtyServer() = default;

bool SimPtyServer::open()
{
    m_error = "a browser has no pseudo-terminals; the page's port \"sim\" is the simulated radio";
    return false;
}

void SimPtyServer::start() {}

void SimPtyServer::stop() {}

void SimPtyServer::serve() {}
