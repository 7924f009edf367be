#include "ExchangeSequence.h"

bool ExchangeSequence::s_running = false;

ExchangeSequence::ExchangeSequence() : m_started(!s_running)
{
    s_running = true;
}

ExchangeSequence::~ExchangeSequence()
{
    if (m_started)
        s_running = false;
}
