#include "tasks/encoding/NumberDrill.h"

namespace zorbiks {

NumberDrill::NumberDrill(const QList<NumberRow> &rows)
    : rows_(rows)
    , draw_(1, static_cast<int>(rows.size()))
{}

void NumberDrill::draw(RandomSource &random)
{
    k_ = draw_.draw(random);
}

const NumberRow &NumberDrill::row() const
{
    static const NumberRow none;
    return k_ > 0 ? rows_[k_ - 1] : none;
}

} // namespace zorbiks
