# The runner's workload: concentric circles of radius 1 to 85 mm, each cut as
# two half circles, then 43 pairs of straight moves across them, all 1 mm below the
# surface. At a pulse equivalent of 0.01 mm that is about 10.3 M timer ticks,
# 4.3 M step points recorded below the surface.
BEGIN {
    printf "%%\r\nG90G00X0Y0Z1\r\nM03M08\r\nG01Z-1\r\n"
    for (r = 1; r <= 85; r++) {
        printf "G01X%dY0\r\nG02X-%dY0I-%dJ0\r\nG02X%dY0I%dJ0\r\n", r, r, r, r, r
    }
    for (y = -84; y <= 84; y += 4) {
        printf "G01X-80Y%d\r\nG01X80Y%d\r\n", y, y + 2
    }
    printf "G00Z60\r\nM05M09\r\n%%\r\n"
}
