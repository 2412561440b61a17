document.querySelectorAll("table.sortable").forEach(function (table) {
  var heads = table.tHead.rows[0].cells;
  Array.prototype.forEach.call(heads, function (th, col) {
    th.tabIndex = 0;
    function sort() {
      var asc = th.getAttribute("aria-sort") !== "ascending";
      Array.prototype.forEach.call(heads, function (h) { h.removeAttribute("aria-sort"); });
      th.setAttribute("aria-sort", asc ? "ascending" : "descending");
      var num = th.dataset.type === "num";
      var body = table.tBodies[0];
      var rows = Array.prototype.slice.call(body.rows);
      function key(row) {
        var cell = row.cells[col];
        if (!num) { return cell.textContent; }
        var v = cell.dataset.v;
        return v === undefined || v === "" ? null : parseFloat(v);
      }
      rows.sort(function (a, b) {
        var x = key(a), y = key(b);
        if (x === y) { return 0; }
        if (x === null) { return 1; }
        if (y === null) { return -1; }
        var c = num ? x - y : String(x).localeCompare(String(y));
        return asc ? c : -c;
      });
      rows.forEach(function (row) { body.appendChild(row); });
    }
    th.addEventListener("click", sort);
    th.addEventListener("keydown", function (e) { if (e.key === "Enter") { sort(); } });
  });
});
