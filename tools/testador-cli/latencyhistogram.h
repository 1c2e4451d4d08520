#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>

// Latencies counted in buckets of fixed memory, whatever the number of requests: exact below
// 128 µs, then 64 buckets for each doubling (a bucket at most 1/64 wide), up to about a day and
// a half; longer times fall in the last bucket. Threads may add at once while another reads: every
// count is atomic (a figure read meanwhile is a snapshot of counts, not of one moment).
class LatencyHistogram {
public:
    static constexpr unsigned kSubBuckets = 64;
    static constexpr unsigned kMaxShift = 30; // values up to 2^(30 + 7) µs
    static constexpr std::size_t kBuckets = 2 * kSubBuckets + std::size_t(kMaxShift) * kSubBuckets;

    LatencyHistogram() = default;
    LatencyHistogram(const LatencyHistogram&) = delete;
    LatencyHistogram& operator=(const LatencyHistogram&) = delete;

    void add(double ms) {
        const std::uint64_t us = ms <= 0 ? 0 : std::uint64_t(ms * 1000.0 + 0.5);
        m_counts[bucketOf(us)].fetch_add(1, std::memory_order_relaxed);
        m_total.fetch_add(1, std::memory_order_relaxed);
        std::uint64_t seen = m_maxUs.load(std::memory_order_relaxed);
        while (us > seen && !m_maxUs.compare_exchange_weak(seen, us, std::memory_order_relaxed)) {
        }
    }
    // Adds every count of the other histogram to this one.
    void merge(const LatencyHistogram& other) {
        for (std::size_t i = 0; i < kBuckets; ++i)
            if (const std::uint64_t n = other.m_counts[i].load(std::memory_order_relaxed))
                m_counts[i].fetch_add(n, std::memory_order_relaxed);
        m_total.fetch_add(other.count(), std::memory_order_relaxed);
        const std::uint64_t theirs = other.m_maxUs.load(std::memory_order_relaxed);
        std::uint64_t seen = m_maxUs.load(std::memory_order_relaxed);
        while (theirs > seen &&
               !m_maxUs.compare_exchange_weak(seen, theirs, std::memory_order_relaxed)) {
        }
    }
    std::uint64_t count() const { return m_total.load(std::memory_order_relaxed); }
    // In milliseconds: the highest value of the bucket that holds the quantile, never above the
    // largest value added; 0 when nothing was added.
    double quantile(double q) const {
        std::uint64_t total = 0;
        for (const auto& c : m_counts)
            total += c.load(std::memory_order_relaxed);
        if (total == 0)
            return 0;
        const double wanted = q * double(total);
        std::uint64_t rank = std::uint64_t(wanted);
        rank += double(rank) < wanted || rank == 0;
        std::uint64_t seen = 0;
        for (std::size_t i = 0; i < kBuckets; ++i) {
            seen += m_counts[i].load(std::memory_order_relaxed);
            if (seen >= rank)
                return double(std::min(highestOf(i), m_maxUs.load(std::memory_order_relaxed))) /
                       1000.0;
        }
        return max();
    }
    double max() const { return double(m_maxUs.load(std::memory_order_relaxed)) / 1000.0; }

    static std::size_t bucketOf(std::uint64_t us) {
        if (us < 2 * kSubBuckets)
            return std::size_t(us);
        // The shift that brings the value into [kSubBuckets, 2 * kSubBuckets).
        const unsigned shift = unsigned(std::bit_width(us)) - 7;
        if (shift > kMaxShift)
            return kBuckets - 1;
        return 2 * kSubBuckets + std::size_t(shift - 1) * kSubBuckets +
               std::size_t((us >> shift) - kSubBuckets);
    }
    // The highest value, in µs, that falls in a bucket.
    static std::uint64_t highestOf(std::size_t bucket) {
        if (bucket < 2 * kSubBuckets)
            return bucket;
        const std::size_t above = bucket - 2 * kSubBuckets;
        const unsigned shift = unsigned(above / kSubBuckets) + 1;
        const std::uint64_t sub = kSubBuckets + above % kSubBuckets;
        return ((sub + 1) << shift) - 1;
    }

private:
    std::array<std::atomic<std::uint64_t>, kBuckets> m_counts{};
    std::atomic<std::uint64_t> m_total = 0;
    std::atomic<std::uint64_t> m_maxUs = 0;
};
