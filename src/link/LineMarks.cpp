#include "link/LineMarks.h"

void LineMarkDecoder::decode(const std::uint8_t* raw, std::size_t n, std::deque<std::uint8_t>& out)
{
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t c = raw[i];
        switch (m_state) {
        case 0:
            if (c == 0xFF) m_state = 1;
            else out.push_back(c);
            break;
        case 1:
            if (c == 0xFF) {
                out.push_back(0xFF);
                m_state = 0;
            } else {
                m_state = 2;
            }
            break;
        default:  // the byte that came with the error is dropped
            m_error = true;
            m_state = 0;
            break;
        }
    }
}

bool LineMarkDecoder::takeError()
{
    bool e = m_error;
    m_error = false;
    return e;
}

void LineMarkDecoder::reset()
{
    m_state = 0;
    m_error = false;
}
