#pragma once

// The base of a table-row builder. C++17 has no designated initializers: a
// row names each value where it is given by a chain of setters, each of
// which returns a copy of the builder with one field of the row changed.
// Self is the builder, Data the plain struct it builds, value-initialised at
// the start.
namespace levels {

template <typename Self, typename Data> class RowBuilder
{
public:
    constexpr operator Data() const { return m_row; }

protected:
    template <typename Field, typename Value>
    constexpr Self with(Field Data::*field, Value value) const
    {
        Self copy = static_cast<const Self &>(*this);
        copy.m_row.*field = value;
        return copy;
    }

    Data m_row{};
};

} // namespace levels
