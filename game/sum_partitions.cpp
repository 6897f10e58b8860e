// The sum-partition table read once: a blank ends a way, a digit adds a part to it.
#include "game/sum_partitions.h"

namespace tazkova::game {

const std::array<SumPartitionRow, kTopRank + 1>& SumPartitionRows() {
    static const std::array<SumPartitionRow, kTopRank + 1> rows = [] {
        std::array<SumPartitionRow, kTopRank + 1> out{};
        for (int rank = 2; rank <= kTopRank; ++rank) {
            SumPartition current;
            for (const char ch : kSumPartitions[rank]) {
                if (ch == ' ') {
                    if (out[rank].count < SumPartitionRow::kMaxWays)
                        out[rank].ways[out[rank].count++] = current;
                    current = SumPartition{};
                } else if (current.length < SumPartition::kMaxParts) {
                    current.parts[current.length++] = static_cast<std::uint8_t>(ch - '0');
                    current.ranks |= 1u << (ch - '0');
                }
            }
        }
        return out;
    }();
    return rows;
}

}  // namespace tazkova::game
