#pragma once

#include "runtimeerror.h"

#include <QtGlobal>

#include <cstdint>
#include <vector>

// A one-dimensional array with a declared lower bound whose every index is
// checked, as the handlers' arithmetic expects: a bad index is an error, not
// undefined behaviour.
template<typename T>
class CheckedArray
{
public:
    CheckedArray(qint32 lowerBound, qint32 upperBound)
        : m_lowerBound(lowerBound)
        , m_elements(upperBound >= lowerBound ? std::size_t(qint64(upperBound) - lowerBound + 1)
                                              : 0)
    { }

    qint32 lowerBound() const { return m_lowerBound; }
    qint32 upperBound() const { return m_lowerBound + qint32(m_elements.size()) - 1; }

    T &operator()(qint32 index) { return m_elements[offset(index)]; }
    const T &operator()(qint32 index) const { return m_elements[offset(index)]; }

private:
    std::size_t offset(qint32 index) const
    {
        // Compared unsigned, so an index below the lower bound wraps to a
        // huge offset and fails the same single test.
        const auto distance = std::uint32_t(qint64(index) - m_lowerBound);
        if (distance >= m_elements.size())
            throw RuntimeError(RuntimeError::Kind::SubscriptOutOfRange);
        return distance;
    }

    qint32 m_lowerBound;
    std::vector<T> m_elements;
};

// Narrows to an unsigned byte, refusing values that do not fit.
inline quint8 toByte(qint32 value)
{
    if (value < 0 || value > 255)
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return quint8(value);
}
