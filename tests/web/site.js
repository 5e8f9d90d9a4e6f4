// Where scripts/web puts the built page.
"use strict";

const path = require("node:path");

module.exports = { siteFolder: path.resolve(__dirname, "../../build-web/site") };
