-- wrk's requests for the load reference: the same signed body, posted to the same service with
-- the headers the program's own client sends.
--   wrk -t1 -cN -dS -s bench/post.lua URL -- BODY_FILE BASIC_AUTH_TOKEN
function init(args)
    local f = assert(io.open(args[1], "rb"))
    wrk.method = "POST"
    wrk.body = f:read("*l")
    f:close()
    wrk.headers["Content-Type"] = "application/json;charset=UTF-8"
    wrk.headers["Authorization"] = "Basic " .. args[2]
end

-- Answers other than 2xx and 3xx are counted among the errors.
function done(summary, latency, requests)
    io.write(string.format("wrk: %d requests, %d errors\n", summary.requests,
        summary.errors.connect + summary.errors.read + summary.errors.write +
        summary.errors.status + summary.errors.timeout))
end
